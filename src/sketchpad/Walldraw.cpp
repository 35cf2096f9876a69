#include "sketchpad/Walldraw.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "foundation/Heap.h"
#include "sketchpad/SketchHost.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/SketchZones.h"

namespace mz {

namespace {

CellPos moved(CellPos p, int direction, int cells) {
  return {p.row + dir::rowStep(direction) * cells, p.column + dir::columnStep(direction) * cells};
}

}  // namespace

void WallDrawing::setMode(WallMode mode) {
  if (drawing_) cancel();
  mode_ = mode;
}

void WallDrawing::start() {
  CellPos at = pad_.cursor();
  at.row |= 1;
  at.column |= 1;
  if (at.row > pad_.rows() - 2) at.row -= 2;
  if (at.column > pad_.columns() - 2) at.column -= 2;
  pad_.setCursor(at.row, at.column);
  at = pad_.cursor();
  pad_.mark(at.row, at.column);
  anchor_ = at;
  drawing_ = true;
  errorLocation_.reset();
}

bool WallDrawing::step(int direction, int steps) {
  if (!drawing_ || steps < 1) return false;
  const CellPos from = pad_.cursor();
  const CellPos to = moved(from, direction, 2 * steps);
  if (!pad_.editable(to.row, to.column)) return false;
  if (mode_ == WallMode::Boxes) {
    pad_.setCursor(to.row, to.column);
    extendBox(anchor_, to);
    return true;
  }
  for (int i = 0; i < steps; ++i) {
    const CellPos previous = pad_.cursor();
    const CellPos next = moved(previous, direction, 2);
    pad_.setCursor(next.row, next.column);
    extendWall(previous, next);
  }
  return true;
}

void WallDrawing::moveToward(CellPos target) {
  while (drawing_) {
    const CellPos at = pad_.cursor();
    int direction = 0;
    if (target.row >= at.row + 2)
      direction = dir::kDown;
    else if (target.row <= at.row - 2)
      direction = dir::kUp;
    else if (target.column >= at.column + 2)
      direction = dir::kRight;
    else if (target.column <= at.column - 2)
      direction = dir::kLeft;
    if (direction == 0 || !step(direction)) return;
  }
}

void WallDrawing::extendWall(CellPos previous, CellPos current) {
  const CellPos between{(previous.row + current.row) / 2, (previous.column + current.column) / 2};
  if (pad_.marked(current.row, current.column)) {
    int markedNeighbours = 0;
    bool towardMove = false;
    for (const int d : dir::kOrder) {
      const CellPos n = moved(previous, d, 1);
      if (!pad_.inside(n.row, n.column) || !pad_.marked(n.row, n.column)) continue;
      ++markedNeighbours;
      towardMove = towardMove || n == between;
    }
    if (markedNeighbours == 1 && towardMove) {
      pad_.unmark(previous.row, previous.column);
      pad_.unmark(between.row, between.column);
      return;
    }
  }
  pad_.mark(previous.row, previous.column);
  pad_.mark(between.row, between.column);
  pad_.mark(current.row, current.column);
}

void WallDrawing::extendBox(CellPos anchor, CellPos current) {
  pad_.clearMarks();
  const int top = std::min(anchor.row, current.row);
  const int bottom = std::max(anchor.row, current.row);
  const int left = std::min(anchor.column, current.column);
  const int right = std::max(anchor.column, current.column);
  for (int c = left; c <= right; ++c) pad_.mark(top, c);
  for (int r = top; r <= bottom; ++r) pad_.mark(r, right);
  for (int c = right; c >= left; --c) pad_.mark(bottom, c);
  for (int r = bottom; r >= top; --r) pad_.mark(r, left);
}

int WallDrawing::neighbourBits(int row, int column) const {
  int bits = 0;
  for (const int d : dir::kOrder) {
    const CellPos n = moved({row, column}, d, 1);
    if (!pad_.inside(n.row, n.column)) continue;
    if (pad_.marked(n.row, n.column) || pad_.current().walls.at(n.row, n.column) != 0) bits |= d;
  }
  return bits;
}

bool WallDrawing::commit() {
  if (!drawing_) return false;
  LevelLayers& l = pad_.current();
  bool invalid = false;
  for (int r = 0; r < pad_.rows(); ++r)
    for (int c = 0; c < pad_.columns(); ++c) {
      if (!pad_.marked(r, c)) continue;
      const std::uint8_t icon = l.sketch.at(r, c);
      const bool flow = hasFlag(icon, flag::kFlow);
      bool bad = icon != 0 && !(flow && l.walls.at(r, c) != 0);
      const int bits = neighbourBits(r, c);
      if (wallCodeForBits(bits) == 0 || (flow && bits != 5 && bits != 10)) bad = true;
      if (!bad) continue;
      pad_.colours().at(r, c) = pad_.drawingColours().error;
      errorLocation_ = CellPos{r, c};
      invalid = true;
    }
  if (invalid) {
    pad_.reporter().report(Severity::Error, {"Invalid wall position(s)"});
    return false;
  }
  std::vector<std::pair<CellPos, std::uint8_t>> writes;
  for (int r = 0; r < pad_.rows(); ++r)
    for (int c = 0; c < pad_.columns(); ++c)
      if (pad_.marked(r, c)) writes.push_back({{r, c}, wallCodeForBits(neighbourBits(r, c))});
  for (const auto& [at, code] : writes) l.walls.at(at.row, at.column) = code;
  host_.markModified();
  pad_.setWallsChanged(true);
  pad_.clearMarks();
  drawing_ = false;
  errorLocation_.reset();
  identifyZonesFully(pad_, SketchCopy::Current, true);
  return true;
}

void WallDrawing::cancel() {
  pad_.clearMarks();
  drawing_ = false;
  errorLocation_.reset();
}

bool WallDrawing::escape() {
  if (!drawing_) return true;
  cancel();
  return false;
}

namespace {

// Marks the wall from `start` in `direction` up to a node or a marked cell (or the edge of the
// grid, which only a damaged drawing reaches); returns the end cell.
CellPos traceWall(SketchPad& pad, CellPos start, int direction) {
  const Layer<std::uint8_t>& walls = pad.current().walls;
  pad.mark(start.row, start.column);
  CellPos at = start;
  for (;;) {
    const CellPos next = moved(at, direction, 1);
    if (!pad.inside(next.row, next.column)) return at;
    if (pad.marked(next.row, next.column)) return next;
    pad.mark(next.row, next.column);
    direction = nextDirection(walls, next.row, next.column, direction, pad.reporter());
    if (direction == 0) return next;
    at = next;
  }
}

// The connections of a cell whose neighbour is not marked.
int unmarkedConnections(const SketchPad& pad, CellPos at) {
  int kept = 0;
  for (const int d : dir::kOrder) {
    if (!(directionBits(pad.current().walls.at(at.row, at.column)) & d)) continue;
    const CellPos n = moved(at, d, 1);
    if (pad.inside(n.row, n.column) && !pad.marked(n.row, n.column)) kept |= d;
  }
  return kept;
}

void deleteMarkedWalls(SketchPad& pad, SketchHost& host) {
  LevelLayers& l = pad.current();
  std::vector<std::pair<CellPos, std::uint8_t>> writes;
  for (int r = 0; r < pad.rows(); ++r)
    for (int c = 0; c < pad.columns(); ++c) {
      if (!pad.marked(r, c)) continue;
      const std::uint8_t code = l.walls.at(r, c);
      std::uint8_t next = 0;
      if (code == icon::kWallHorizontal || code == icon::kWallVertical) {
        const std::uint8_t icon = l.sketch.at(r, c);
        if (hasFlag(icon, flag::kFlow) && icon != icon::kAhs) {
          host.deletePath(l.paths.at(r, c));
          l.sketch.at(r, c) = 0;
          l.paths.at(r, c) = 0;
        }
      } else if (code >= 18 && code <= icon::kWallCross) {
        const int kept = unmarkedConnections(pad, {r, c});
        next = icon::kWallCross;
        for (std::uint8_t k = icon::kWallHorizontal; k <= 21; ++k)
          if (isWallCode(k) && directionBits(k) == kept) {
            next = k;
            break;
          }
      }
      writes.push_back({{r, c}, next});
    }
  for (const auto& [at, code] : writes) l.walls.at(at.row, at.column) = code;
}

}  // namespace

bool deleteWallAtCursor(SketchPad& pad, SketchHost& host, bool ask) {
  const CellPos at = pad.cursor();
  const std::uint8_t code = pad.current().walls.at(at.row, at.column);
  if (!isWallCode(code)) {
    pad.reporter().report(Severity::Error, {"Delete must start at a wall symbol"});
    return false;
  }
  const int bits = directionBits(code);
  std::vector<int> directions;
  for (const int d : dir::kOrder)
    if (bits & d) directions.push_back(d);
  // A run or corner lies inside one stretch, which both of its directions trace: it is offered
  // once.
  const bool inStretch = directions.size() == 2;
  if (inStretch) directions.resize(1);
  for (const int d : directions) {
    pad.clearMarks();
    std::vector<CellPos> ends{traceWall(pad, at, d)};
    if (inStretch) ends.push_back(traceWall(pad, at, bits & ~d));
    std::optional<CellPos> deadEnd;
    for (const CellPos& end : ends)
      if (std::popcount(static_cast<unsigned>(unmarkedConnections(pad, end))) == 1) deadEnd = end;
    if (deadEnd) {
      pad.clearMarks();
      if (ask) {
        pad.colours().at(deadEnd->row, deadEnd->column) = pad.drawingColours().error;
        pad.reporter().report(Severity::Error,
                              {"Deletion would produce invalid wall configuration"});
      }
      continue;
    }
    if (ask && !pad.reporter().askYesNo("Delete the wall indicated?")) {
      pad.clearMarks();
      continue;
    }
    deleteMarkedWalls(pad, host);
    host.markModified();
    pad.setWallsChanged(true);
    pad.clearMarks();
    identifyZonesFully(pad, SketchCopy::Current, ask);
    return true;
  }
  pad.clearMarks();
  return false;
}

}  // namespace mz
