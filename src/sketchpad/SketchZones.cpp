#include "sketchpad/SketchZones.h"

#include <vector>

#include "foundation/Formats.h"
#include "foundation/Heap.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {

namespace {

// Walks from the wall node at (row, column) along `direction`, marking the run and writing the
// run symbol, up to the next node that connects back. A run that never meets such a node (only
// a damaged drawing has one) ends at the edge of the grid.
void walkWallRun(SketchPad& pad, LevelLayers& l, int row, int column, int direction) {
  const int dr = dir::rowStep(direction);
  const int dc = dir::columnStep(direction);
  const int back = dir::opposite(direction);
  const std::uint8_t run = direction == dir::kRight ? icon::kWallHorizontal : icon::kWallVertical;
  int r = row + dr;
  int c = column + dc;
  for (; l.walls.contains(r, c); r += dr, c += dc) {
    l.zones.at(r, c) = zonemap::kWall;
    std::uint8_t& code = l.walls.at(r, c);
    if (code == run) continue;
    if (directionBits(code) & back) return;
    code = run;
  }
  pad.reporter().report(
      Severity::Warning,
      {cformat("Wall run from row %d, col %d ends at the edge of the SketchPad", row, column)});
}

enum class CellTest { Boundary, Write, Conflict };

}  // namespace

void prepareZoneMap(SketchPad& pad, SketchCopy copy) {
  LevelLayers& l = pad.layers(copy);
  l.zones.fill(zonemap::kUnreached);
  for (int r = 0; r < pad.rows(); ++r)
    for (int c = 0; c < pad.columns(); ++c) {
      const std::uint8_t code = l.sketch.at(r, c);
      if (!hasFlag(code, flag::kZoneType)) continue;
      const int number = l.paths.at(r, c);
      if (number == 0) {
        pad.reporter().report(
            Severity::Error,
            {cformat("Unidentified zone [%hd %d] at row %u, col %u", static_cast<short>(code),
                     number, static_cast<unsigned>(r), static_cast<unsigned>(c))});
        continue;
      }
      l.zones.at(r, c) = number;
    }
  for (int r = 0; r < pad.rows(); ++r)
    for (int c = 0; c < pad.columns(); ++c) {
      const std::uint8_t code = l.walls.at(r, c);
      if (!hasFlag(code, flag::kWallNode)) continue;
      l.zones.at(r, c) = zonemap::kWall;
      if (directionBits(code) & dir::kRight) walkWallRun(pad, l, r, c, dir::kRight);
      if (directionBits(code) & dir::kDown) walkWallRun(pad, l, r, c, dir::kDown);
    }
}

bool fillZone(SketchPad& pad, SketchCopy copy, int row, int column, int key) {
  Layer<std::int32_t>& map = pad.layers(copy).zones;
  if (!map.contains(row, column)) return true;
  const int rows = map.rows();
  const int columns = map.columns();
  const int old = map.at(row, column);
  // A seed on a wall, or in an area that already holds the key, changes nothing.
  if (old == zonemap::kWall || old == key) return true;

  // A span of row `row` whose neighbour row row + dy is still to be scanned. The stack grows
  // as the area needs it, so an area of any shape and size is filled.
  struct Span {
    int row, left, right, dy;
  };
  std::vector<Span> stack;
  stack.reserve(256);
  auto push = [&](int r, int left, int right, int dy) {
    if (r + dy >= 0 && r + dy < rows) stack.push_back({r, left, right, dy});
  };
  auto test = [&](int y, int x) {
    const int v = map.at(y, x);
    if (v == zonemap::kWall || v == key) return CellTest::Boundary;
    if (v == old) return CellTest::Write;
    return CellTest::Conflict;
  };
  bool conflict = false;
  // Applies the test at (y, x) and writes the key; false at a boundary or conflict.
  auto take = [&](int y, int x) {
    const CellTest t = test(y, x);
    if (t == CellTest::Write) {
      map.at(y, x) = key;
      return true;
    }
    if (t == CellTest::Conflict) conflict = true;
    return false;
  };

  push(row, column, column, 1);
  push(row + 1, column, column, -1);
  while (!stack.empty() && !conflict) {
    const Span s = stack.back();
    stack.pop_back();
    const int y = s.row + s.dy;
    int x = s.left;
    while (x >= 0 && take(y, x)) --x;
    if (conflict) break;
    bool skip = x == s.left;
    int start = x + 1;
    if (!skip) {
      if (start < s.left) push(y, start, s.left - 1, -s.dy);
      x = s.left + 1;
    }
    do {
      if (!skip) {
        while (x < columns && take(y, x)) ++x;
        if (conflict) break;
        push(y, start, x - 1, s.dy);
        if (x > s.right + 1) push(y, s.right + 1, x - 1, -s.dy);
      }
      skip = false;
      for (++x; x <= s.right && map.at(y, x) != old; ++x) {
      }
      start = x;
    } while (x <= s.right);
  }
  if (!conflict) return true;
  if (copy == SketchCopy::Current) pad.colours().at(row, column) = pad.drawingColours().error;
  map.at(row, column) = key;
  return false;
}

bool identifyZones(SketchPad& pad, SketchCopy copy, bool report) {
  LevelLayers& l = pad.layers(copy);
  bool anyConflict = false;
  for (int r = 0; r < pad.rows(); ++r)
    for (int c = 0; c < pad.columns(); ++c) {
      if (!hasFlag(l.sketch.at(r, c), flag::kZoneType)) continue;
      const int b = l.zones.at(r, c);
      // An icon on a wall cell (only a damaged drawing has one) seeds nothing.
      if (b == zonemap::kWall) continue;
      l.zones.at(r, c) = 0;
      if (b != 0 && !fillZone(pad, copy, r, c, b)) anyConflict = true;
    }
  if (anyConflict && report) pad.reporter().report(Severity::Error, {"Zone definition error(s)"});
  return anyConflict;
}

bool identifyZonesFully(SketchPad& pad, SketchCopy copy, bool report) {
  prepareZoneMap(pad, copy);
  return identifyZones(pad, copy, report);
}

void clearZoneAreas(SketchPad& pad) {
  LevelLayers& l = pad.current();
  for (int r = 0; r < pad.rows(); ++r)
    for (int c = 0; c < pad.columns(); ++c) {
      std::int32_t& v = l.zones.at(r, c);
      if (v != zonemap::kWall && !hasFlag(l.sketch.at(r, c), flag::kZoneType)) v = 0;
    }
}

void clearErrorColour(SketchPad& pad) {
  const CellPos at = pad.cursor();
  Layer<std::uint8_t>& colours = pad.colours();
  const std::uint8_t background = pad.drawingColours().background;
  if (colours.at(at.row, at.column) == background) return;
  const int value = pad.current().zones.at(at.row, at.column);
  for (int r = 0; r < pad.rows(); ++r)
    for (int c = 0; c < pad.columns(); ++c)
      if (pad.current().zones.at(r, c) == value) colours.at(r, c) = background;
}

}  // namespace mz
