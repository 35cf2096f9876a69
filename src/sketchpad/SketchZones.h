#pragma once
// Zone identification: the zone map of a level's layers, worked out from its walls and its
// zone-type icons by a span fill.

#include "sketchpad/SketchLayers.h"

namespace mz {

// Zone map 0, wall cells -3 (writing the implied wall runs between wall nodes) and each
// zone-type icon's number at its cell.
void prepareZoneMap(SketchPad& pad, SketchCopy copy);

// Fills the area around (row, column) of the copy's zone map with `key`; false when the fill
// met another area's value (the seed then shows the error colour).
bool fillZone(SketchPad& pad, SketchCopy copy, int row, int column, int key);

// Fills every area from its zone-type icon, in scan order; true when any fill had a conflict,
// reported once as an error when `report` is set.
bool identifyZones(SketchPad& pad, SketchCopy copy, bool report);

// prepareZoneMap then identifyZones.
bool identifyZonesFully(SketchPad& pad, SketchCopy copy, bool report);

// Current level: every cell that is no wall and holds no zone-type icon back to 0.
void clearZoneAreas(SketchPad& pad);

// When the cursor cell shows a colour other than the background, every cell of the cursor
// cell's zone value returns to the background colour.
void clearErrorColour(SketchPad& pad);

}  // namespace mz
