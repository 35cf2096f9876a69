#pragma once
// What the SketchPad's editing rules need of the project and of the dialogs around them. The
// program binds it to the project and its dialogs; tests bind it to a small fake.

#include <optional>
#include <vector>

#include "model/Level.h"

namespace mz {

class SketchHost {
 public:
  virtual ~SketchHost() = default;

  virtual void markModified() = 0;
  virtual bool resultsMode() const = 0;
  virtual int speciesCount() const = 0;
  virtual int zoneCount() const = 0;

  // Deletes the path record behind a flow icon that goes away with its wall (0: no record).
  virtual void deletePath(int number) = 0;
  // How many occupancy schedules name the zone.
  virtual int occupancyReferences(int zone) const = 0;
  virtual void deleteZone(int zone) = 0;
  // The item lists of the levels above the current one, lowest first.
  virtual std::vector<std::vector<LevelItem>*> levelsAbove() = 0;

  // The annotation text dialog: the new annotation's number, nothing when cancelled.
  virtual std::optional<int> annotationDialog() = 0;
  // The zone data dialog for a new zone: its number, nothing when cancelled.
  virtual std::optional<int> newZoneDialog() = 0;
  // The zone data dialog of an existing zone.
  virtual void zoneDialog(int zone) = 0;
};

}  // namespace mz
