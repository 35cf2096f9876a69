#pragma once
// The project's current level on the SketchPad: storing its layers into its item list and
// loading a level (with the level below it as the sub copy) into the layers.

namespace mz {

class Project;
class SketchPad;
struct Level;

// Rebuilds the current level's item list from the current-level layers.
void storeCurrentLevel(SketchPad& pad, Project& project);

// Makes `level` current without storing the layers first: the level below goes into the sub
// copy (cleared for the lowest level), then the level into the current copy. False when an item
// could not be loaded.
bool loadCurrentLevel(SketchPad& pad, Project& project, Level& level);

// Stores the current level, then loads `level`.
bool changeCurrentLevel(SketchPad& pad, Project& project, Level& level);

}  // namespace mz
