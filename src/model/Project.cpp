#include "model/Project.h"

namespace mz {

Project::Project() {
  ambient.number = -1;
}

Zone* Project::zone(Ref<Zone> ref) {
  return ref.isAmbient() ? &ambient : zones.find(ref);
}

const Zone* Project::zone(Ref<Zone> ref) const {
  return ref.isAmbient() ? &ambient : zones.find(ref);
}

std::int32_t Project::zoneNumber(Ref<Zone> ref) const {
  if (ref.isAmbient()) return -1;
  return zones.numberOf(ref);
}

Ref<Zone> Project::zoneRef(std::int32_t number) const {
  return number == -1 ? Ref<Zone>::ambient() : zones.ref(number);
}

}  // namespace mz
