#include "model/Jctns.h"

#include "model/Paths.h"

namespace mz {

std::uint8_t terminalDirection(std::uint8_t icon, DuctSide ductCell) {
  if (icon == kTerminalUpIcon) return kDirToBelow;
  if (icon == kTerminalDownIcon) return kDirFromBelow;
  if (icon != kTerminalIcon) return 0;
  switch (ductCell) {
    case DuctSide::Above:
      return kDirDown;
    case DuctSide::Below:
      return kDirUp;
    case DuctSide::Right:
      return kDirLeft;
    case DuctSide::Left:
      return kDirRight;
  }
  return 0;
}

void setTerminalDirection(TerminalData& data, std::uint8_t dir) {
  data.dir = dir;
  data.reverseDir = dir == 0 ? std::uint8_t{0} : reverseDirection(dir);
}

}  // namespace mz

#include "model/Project.h"

namespace mz {

Junction Project::newJunction(std::uint8_t icon) const {
  const ProjectDefaults& d = settings.defaults;
  Junction junction;
  junction.T0 = d.T;
  junction.units = {d.ud, d.ud, d.ud, d.uf};
  junction.icon = icon;
  junction.colour = -1;
  junction.level = currentLevel;
  junction.CC0 = contaminantDefaults;
  return junction;
}

}  // namespace mz
