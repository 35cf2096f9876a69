#include "model/Zones.h"

#include "foundation/Formats.h"

namespace mz {

std::string zoneDeletionQuestion(int phantoms) {
  if (phantoms <= 0) return "Delete this zone icon?";
  return cformat("Delete this zone icon and clear\nthe %d phantom zone(s) above it?", phantoms);
}

std::int16_t switchedAxis(std::int16_t axis, bool oneDimensional) {
  if (oneDimensional)
    return axis == 0 ? std::int16_t{1} : static_cast<std::int16_t>(axis < 0 ? -axis : axis);
  return static_cast<std::int16_t>(axis > 0 ? -axis : axis);
}

}  // namespace mz

#include "model/Project.h"

namespace mz {

Zone Project::newZone() const {
  const ProjectDefaults& d = settings.defaults;
  Zone zone;
  zone.flags = ZoneFlag::VariablePressure | ZoneFlag::VariableContaminants;
  zone.T0 = d.T;
  zone.colour = -1;
  zone.units = {d.ud, static_cast<std::int16_t>(d.ud + 2), d.ud, d.ud};
  zone.oneD.cellSize = 0.1f;
  zone.oneD.dispersion = 0.1f;
  zone.level = currentLevel;
  zone.CC0 = contaminantDefaults;
  return zone;
}

int Project::occupancyReferences(Ref<Zone> zone) const {
  int count = 0;
  for (const OccupancySchedule& schedule : occupancySchedules.all())
    if (schedule.visits(zone)) ++count;
  return count;
}

bool Project::deleteZone(ErrorReporter& reporter, int number) {
  Ref<Zone> ref = zones.ref(number);
  if (!ref) return false;
  if (int count = occupancyReferences(ref); count > 0) {
    reporter.showMessage(1, {"This zone is referenced by ", formatInt(count),
                             " occupancy schedules.\n You must remove all references to this "
                             "zone before it can be deleted."});
    return false;
  }
  marks.modified = true;
  return zones.free(number);
}

}  // namespace mz
