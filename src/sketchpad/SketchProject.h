#pragma once
// The SketchPad bound to the project: level changes between the layers and the levels' item
// lists, and the editing rules' host over the project's records.

#include <functional>
#include <optional>

#include "model/Project.h"
#include "sketchpad/SketchHost.h"
#include "sketchpad/SketchLayers.h"

namespace mz {

// Rebuilds the level's item list from the current-level layers.
void storeLevel(SketchPad& pad, Level& level);

// Makes `level` the one in the layers: the level below it into the sub copy first (its zone map
// numbers the phantoms), then the level itself. False when an item was refused.
bool showLevel(SketchPad& pad, Levels& levels, Level& level);

// Leaves `from` for `to`: stores the one, shows the other.
bool changeLevel(SketchPad& pad, Levels& levels, Level& from, Level& to);

// Whether every item of every level lies inside a grid of the given size.
bool itemsFitGrid(const Levels& levels, int rows, int columns);

class ProjectSketchHost final : public SketchHost {
 public:
  ProjectSketchHost(Project& project, ErrorReporter& reporter)
      : project_(project), reporter_(reporter) {}

  // The dialogs and the view state, bound by the program.
  std::function<std::optional<int>()> annotationDialogFn;
  std::function<std::optional<int>()> newZoneDialogFn;
  std::function<void(int)> zoneDialogFn;
  bool results = false;

  void markModified() override { project_.marks.modified = true; }
  bool resultsMode() const override { return results; }
  int speciesCount() const override { return static_cast<int>(project_.species.size()); }
  int zoneCount() const override { return project_.zones.count(); }
  void deletePath(int number) override;
  int occupancyReferences(int zone) const override;
  void deleteZone(int zone) override;
  std::vector<std::vector<LevelItem>*> levelsAbove() override;
  std::optional<int> annotationDialog() override;
  std::optional<int> newZoneDialog() override;
  void zoneDialog(int zone) override;

 private:
  Project& project_;
  ErrorReporter& reporter_;
};

}  // namespace mz
