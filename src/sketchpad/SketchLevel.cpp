#include "sketchpad/SketchLevel.h"

#include "model/Project.h"
#include "sketchpad/SketchStore.h"

namespace mz {

void storeCurrentLevel(SketchPad& pad, Project& project) {
  if (Level* level = project.current()) level->items = storeLevel(pad);
}

bool loadCurrentLevel(SketchPad& pad, Project& project, Level& level) {
  bool loaded = true;
  if (Level* below = project.levels.below(level))
    loaded = loadLevel(pad, below->items, SketchCopy::Sub);
  else
    loadNoLevel(pad, SketchCopy::Sub);
  project.currentLevel = Levels::ref(&level);
  return loadLevel(pad, level.items, SketchCopy::Current) && loaded;
}

bool changeCurrentLevel(SketchPad& pad, Project& project, Level& level) {
  storeCurrentLevel(pad, project);
  return loadCurrentLevel(pad, project, level);
}

}  // namespace mz
