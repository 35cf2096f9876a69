#include "model/Project.h"

#include "foundation/Formats.h"

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

Level& Project::addLevel(const Level* below, float delHt) {
  Level level;
  level.refHt = below ? below->refHt + below->delHt : 0.0f;
  level.delHt = below ? delHt : 3.0f;
  level.units = {settings.defaults.ud, settings.defaults.ud};
  level.name = cformat("<%d>", static_cast<int>(levels.size()) + 1);
  Level& added = levels.insertAbove(below, level);
  currentLevel = Levels::ref(&added);
  marks.modified = true;
  return added;
}

}  // namespace mz
