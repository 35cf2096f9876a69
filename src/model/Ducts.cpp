#include "model/Ducts.h"

#include "model/Project.h"

namespace mz {

DuctSegment Project::newDuct(std::uint8_t dir) const {
  DuctSegment duct;
  duct.dir = dir;
  duct.len = kDefaultDuctLength;
  duct.Ain = kDefaultDuctArea;
  duct.Aout = kDefaultDuctArea;
  duct.colour = -1;
  duct.units = {settings.defaults.ud, settings.defaults.ud};
  return duct;
}

}  // namespace mz
