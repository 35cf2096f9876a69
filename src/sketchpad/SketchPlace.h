#pragma once
// Icons at the cursor cell of the current level: placing each kind with its refusals, the
// flow-path side rules, and the zone-icon operations (opening and deleting a zone icon).

#include "model/Paths.h"
#include "sketchpad/SketchLayers.h"

namespace mz {

class SketchHost;

enum class IconCommand {
  Zone,
  Ambient,
  Phantom,
  FlowPath,
  Ahs,
  Supply,
  Return,
  SourceSink,
  Exposure,
  Annotation,
};

// Places the command's icon at the cursor; false (after a beep or a notice) when refused.
bool placeIcon(SketchPad& pad, SketchHost& host, IconCommand command);

// The path position rule in its notice form: true when a flow path may stand at the cell; a
// refusal beeps or shows its notice.
bool pathPositionAllowed(SketchPad& pad, int row, int column);

// What surrounds a path icon at the cell, and the direction and two zones (-1 ambient, 0 none,
// n zone n) that follow from it.
PathSurroundings pathSurroundingsAt(const SketchPad& pad, int row, int column);
PathPlacement pathPlacementAt(const SketchPad& pad, int row, int column);

// Double click at the cursor: defines or opens the zone there. False when the cell is no zone
// cell or the operation only beeped.
bool openZoneAtCursor(SketchPad& pad, SketchHost& host);

// Deletes the zone-type icon at the cursor with its zone record; `ask` for the interactive
// Delete (question, then re-identification). False when nothing changed.
bool deleteZoneIcon(SketchPad& pad, SketchHost& host, bool ask);

}  // namespace mz
