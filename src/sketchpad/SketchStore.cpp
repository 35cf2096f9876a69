#include "sketchpad/SketchStore.h"

#include "foundation/Formats.h"
#include "foundation/Heap.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/SketchZones.h"

namespace mz {

namespace {

LevelItem makeItem(int row, int column, std::uint8_t code, std::int32_t number) {
  return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column), code, number};
}

// Fills the empty cells after every cell of `layer` that connects to the right (downward)
// with the implied run code; a stored first cell of such a run becomes a run cell again.
void restoreRuns(Layer<std::uint8_t>& layer, std::uint8_t horizontal, std::uint8_t vertical,
                 std::uint8_t storedRight, std::uint8_t storedBelow) {
  const int rows = layer.rows();
  const int columns = layer.columns();
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      std::uint8_t& code = layer.at(r, c);
      const int bits = directionBits(code);
      if ((bits & dir::kRight) && c + 1 < columns && layer.at(r, c + 1) == 0) {
        if (code == storedRight) code = horizontal;
        for (int x = c + 1; x < columns && layer.at(r, x) == 0; ++x) layer.at(r, x) = horizontal;
      }
    }
  for (int c = 0; c < columns; ++c)
    for (int r = 0; r < rows; ++r) {
      std::uint8_t& code = layer.at(r, c);
      const int bits = directionBits(code);
      if ((bits & dir::kDown) && r + 1 < rows && layer.at(r + 1, c) == 0) {
        if (code == storedBelow) code = vertical;
        for (int y = r + 1; y < rows && layer.at(y, c) == 0; ++y) layer.at(y, c) = vertical;
      }
    }
}

// Writes a duct-segment icon's number along its duct in one direction, up to a junction or
// terminal; crossings are passed straight through.
void spreadSegment(SketchPad& pad, LevelLayers& l, int row, int column, int direction,
                   std::int32_t number) {
  const long limit = static_cast<long>(pad.rows()) * pad.columns();
  int r = row;
  int c = column;
  for (long steps = 0; steps < limit; ++steps) {
    r += dir::rowStep(direction);
    c += dir::columnStep(direction);
    if (!pad.inside(r, c)) return;
    const std::uint8_t code = l.ducts.at(r, c);
    if (code == 0 || hasFlag(code, flag::kJunction)) return;
    if (code == icon::kDuctCrossing) continue;
    l.paths.at(r, c) = number;
    direction = nextDirection(l.ducts, r, c, direction, pad.reporter());
    if (direction == 0) return;
  }
}

void spreadSegments(SketchPad& pad, LevelLayers& l) {
  for (int r = 0; r < pad.rows(); ++r)
    for (int c = 0; c < pad.columns(); ++c) {
      const std::uint8_t code = l.ducts.at(r, c);
      if (code < icon::kSegmentUp || code > icon::kSegmentLeft) continue;
      const std::int32_t number = l.paths.at(r, c);
      const bool vertical = code == icon::kSegmentUp || code == icon::kSegmentDown;
      spreadSegment(pad, l, r, c, vertical ? dir::kUp : dir::kRight, number);
      spreadSegment(pad, l, r, c, vertical ? dir::kDown : dir::kLeft, number);
    }
}

}  // namespace

std::vector<LevelItem> levelItems(const LevelLayers& l) {
  std::vector<LevelItem> items;
  const int rows = l.walls.rows();
  const int columns = l.walls.columns();
  for (int r = 1; r <= rows - 2; ++r)
    for (int c = 0; c < columns; ++c) {
      const std::uint8_t wall = l.walls.at(r, c);
      if (hasFlag(wall, flag::kWallNode)) items.push_back(makeItem(r, c, wall, 0));
      std::uint8_t duct = l.ducts.at(r, c);
      // The first cell of a duct leaving a junction or terminal to the right or downward is
      // stored, so that it carries its segment's number.
      if (duct == icon::kDuctHorizontal && c > 0 && hasFlag(l.ducts.at(r, c - 1), flag::kJunction))
        duct = icon::kDuctRightOfJunction;
      if (duct == icon::kDuctVertical && hasFlag(l.ducts.at(r - 1, c), flag::kJunction))
        duct = icon::kDuctBelowJunction;
      if (hasFlag(duct, flag::kStoredDuct)) {
        const std::int32_t number = l.paths.at(r, c);
        items.push_back(makeItem(r, c, duct, number < 0 ? 0 : number));
      }
      const std::uint8_t link = l.links.at(r, c);
      if (hasFlag(link, flag::kStoredControl))
        items.push_back(makeItem(r, c, link, l.ctrls.at(r, c)));
      const std::uint8_t code = l.sketch.at(r, c);
      if (symbolFlags(code) > 0x000F) items.push_back(makeItem(r, c, code, l.paths.at(r, c)));
    }
  return items;
}

std::vector<LevelItem> storeLevel(SketchPad& pad) {
  LevelLayers& l = pad.current();
  for (int r = 0; r < pad.rows(); ++r)
    for (int c = 0; c < pad.columns(); ++c) {
      if (!hasFlag(l.ducts.at(r, c), flag::kJunction)) continue;
      if (c + 1 < pad.columns() && l.ducts.at(r, c + 1) == icon::kDuctHorizontal)
        l.ducts.at(r, c + 1) = icon::kDuctRightOfJunction;
      if (r + 1 < pad.rows() && l.ducts.at(r + 1, c) == icon::kDuctVertical)
        l.ducts.at(r + 1, c) = icon::kDuctBelowJunction;
    }
  return levelItems(l);
}

bool loadLevel(SketchPad& pad, std::span<LevelItem> items, SketchCopy copy) {
  pad.clearCopy(copy);
  if (copy == SketchCopy::Sub) pad.setHasSubLevel(true);
  LevelLayers& l = pad.layers(copy);
  bool allLoaded = true;
  for (LevelItem& item : items) {
    const int r = item.row;
    const int c = item.column;
    // Rows 0 and rows - 1 belong to the border ring, which no level stores.
    if (r < 1 || r > pad.rows() - 2 || c < 0 || c >= pad.columns()) {
      pad.reporter().report(
          Severity::Error,
          {cformat("Level item %d outside the SketchPad at row %d, col %d", item.code, r, c)});
      allLoaded = false;
      continue;
    }
    const std::uint16_t flags = symbolFlags(item.code);
    if (flags & flag::kWallNode) {
      l.walls.at(r, c) = item.code;
    } else if (flags & flag::kStoredDuct) {
      l.ducts.at(r, c) = item.code;
      l.paths.at(r, c) = item.number;
    } else if (flags & flag::kStoredControl) {
      l.links.at(r, c) = item.code;
      l.ctrls.at(r, c) = item.number;
    } else {
      if (item.code == icon::kPhantom && copy == SketchCopy::Current) {
        const std::int32_t below = pad.hasSubLevel() ? pad.sub().zones.at(r, c) : 0;
        item.number = below > 0 ? below : zonemap::kUndefined;
      }
      l.sketch.at(r, c) = item.code;
      l.paths.at(r, c) = item.number;
      if (flags & flag::kZoneType) l.zones.at(r, c) = item.number;
    }
  }
  identifyZonesFully(pad, copy, false);
  restoreRuns(l.ducts, icon::kDuctHorizontal, icon::kDuctVertical, icon::kDuctRightOfJunction,
              icon::kDuctBelowJunction);
  spreadSegments(pad, l);
  restoreRuns(l.links, icon::kLinkHorizontal, icon::kLinkVertical, icon::kLinkRightOfNode,
              icon::kLinkBelowNode);
  return allLoaded;
}

void loadNoLevel(SketchPad& pad, SketchCopy copy) {
  pad.clearCopy(copy);
  if (copy == SketchCopy::Sub) pad.setHasSubLevel(false);
}

}  // namespace mz
