#pragma once
// Conversion between a level's item list (its stored form) and the SketchPad layers.
//
// The item order is a file contract: cells in row-major order, and within a cell the wall node,
// then the duct item, the link item and the icon. Numbering and the engine's results follow it.

#include <span>
#include <vector>

#include "model/Level.h"
#include "sketchpad/SketchLayers.h"

namespace mz {

// The item list of one copy's layers, without changing them.
std::vector<LevelItem> levelItems(const LevelLayers& layers);

// The item list of the current-level layers (rows 1 to rows - 2). Marks the first duct cell
// right of and below each junction or terminal as a stored duct cell on the way.
std::vector<LevelItem> storeLevel(SketchPad& pad);

// Rebuilds one copy from an item list, then identifies its zones and restores the implied duct
// and link runs. A phantom loaded into the current copy takes the zone number under it on the
// sub level (or -2), written back into its item. An item outside the grid is refused with an
// error and not loaded; the result is false when any item was refused.
bool loadLevel(SketchPad& pad, std::span<LevelItem> items, SketchCopy copy);

// The copy without a level: only cleared (the sub copy of the lowest level).
void loadNoLevel(SketchPad& pad, SketchCopy copy);

}  // namespace mz
