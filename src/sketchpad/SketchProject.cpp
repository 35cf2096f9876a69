#include "sketchpad/SketchProject.h"

#include "sketchpad/SketchStore.h"

namespace mz {

void storeLevel(SketchPad& pad, Level& level) {
  level.items = storeLevel(pad);
}

bool showLevel(SketchPad& pad, Levels& levels, Level& level) {
  bool loaded = true;
  if (Level* below = levels.below(level))
    loaded = loadLevel(pad, below->items, SketchCopy::Sub);
  else
    loadNoLevel(pad, SketchCopy::Sub);
  return loadLevel(pad, level.items, SketchCopy::Current) && loaded;
}

bool changeLevel(SketchPad& pad, Levels& levels, Level& from, Level& to) {
  storeLevel(pad, from);
  return showLevel(pad, levels, to);
}

bool itemsFitGrid(const Levels& levels, int rows, int columns) {
  for (std::size_t i = 0; i < levels.size(); ++i)
    for (const LevelItem& item : levels[i].items)
      if (item.row < 1 || item.row > rows - 2 || item.column < 0 || item.column >= columns)
        return false;
  return true;
}

void ProjectSketchHost::deletePath(int number) {
  if (number > 0 && project_.paths.at(number)) project_.freePath(number);
}

int ProjectSketchHost::occupancyReferences(int zone) const {
  return project_.occupancyReferences(project_.zones.ref(zone));
}

void ProjectSketchHost::deleteZone(int zone) {
  project_.deleteZone(reporter_, zone);
}

std::vector<std::vector<LevelItem>*> ProjectSketchHost::levelsAbove() {
  std::vector<std::vector<LevelItem>*> out;
  Level* level = project_.current();
  while (level && (level = project_.levels.above(*level))) out.push_back(&level->items);
  return out;
}

std::optional<int> ProjectSketchHost::annotationDialog() {
  return annotationDialogFn ? annotationDialogFn() : std::nullopt;
}

std::optional<int> ProjectSketchHost::newZoneDialog() {
  return newZoneDialogFn ? newZoneDialogFn() : std::nullopt;
}

void ProjectSketchHost::zoneDialog(int zone) {
  if (zoneDialogFn) zoneDialogFn(zone);
}

}  // namespace mz
