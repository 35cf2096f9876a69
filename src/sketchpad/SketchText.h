#pragma once
// A compact text form of a level's drawing, read into an item list (loaded like a project
// file's items) and printed from the layers.
//
// One character per cell, one line per grid row from row 0 (the border ring included):
//   .  or blank   empty cell
//   +             wall node; its code follows from the wall characters on its four sides
//   -  |          horizontal and vertical wall runs (implied between nodes, not stored)
//   Z P A         zone, phantom zone, ambient
//   F o D W       flow paths 23, 24, 25, 27;  > < ^ v  fan paths 28, 29, 30, 31
//   I O H         supply 128, return 129, simple AHS 130
//   X Y S N       exposures 131 and 132, source/sink 133, annotation 42
// An icon may be followed by its number, with '-' for a negative one ("Z3", "Z-2", "F12"); the
// number's characters stand on the cells after the icon. They count as empty cells, except
// after a flow icon, which is taken to stand on a wall: there they count as that wall, as does
// the flow icon itself beside a node.
// Other lines:
//   grid ROWS COLUMNS       (first line) the grid size; the drawing fills its upper left part.
//                           Without it the grid is as large as the drawing.
//   @ ROW COLUMN CODE NUMBER
//                           an explicit item (ducts, links, any code); it replaces what the
//                           drawing puts into the same layer of that cell.
// The ambient marker of cell (0, 0) is not part of the drawing; row 0 is printed empty.
//
// The zone map is printed one character per cell: '#' wall, '.' ambient, '?' undefined zone,
// '0' no zone, '1'-'9' 'a'-'z' 'A'-'Z' zones 1 to 61, '*' any other value.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Level.h"
#include "sketchpad/SketchLayers.h"

namespace mz {

struct SketchText {
  int rows = 0;
  int columns = 0;
  std::vector<LevelItem> items;  // in stored order
};

// The text's grid size and items; nothing (with the reason in `error`) for a malformed text.
std::optional<SketchText> parseSketchText(std::string_view text, std::string* error = nullptr);

// The drawing of one copy in the notation above.
std::string printLevel(const SketchPad& pad, SketchCopy copy);
// The zone map of one copy.
std::string printZoneMap(const SketchPad& pad, SketchCopy copy);

// The notation letter of an icon code, or 0 when the code has none.
char iconLetter(std::uint8_t code);

}  // namespace mz
