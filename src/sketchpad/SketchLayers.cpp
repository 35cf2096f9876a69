#include "sketchpad/SketchLayers.h"

#include <algorithm>
#include <string>

#include "foundation/Heap.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {

std::uint8_t checkedColourIndex(int value, int tableSize, std::uint8_t fallback) {
  return value >= 0 && value < tableSize && value <= 255 ? static_cast<std::uint8_t>(value)
                                                         : fallback;
}

SketchPad::SketchPad(ErrorReporter& reporter, DrawingColours colours)
    : reporter_(reporter), drawingColours_(colours) {}

namespace {

LevelLayers makeLayers(int rows, int columns) {
  LevelLayers l;
  l.sketch = Layer<std::uint8_t>(rows, columns, 0);
  l.walls = Layer<std::uint8_t>(rows, columns, 0);
  l.ducts = Layer<std::uint8_t>(rows, columns, 0);
  l.links = Layer<std::uint8_t>(rows, columns, 0);
  l.paths = Layer<std::int32_t>(rows, columns, 0);
  l.ctrls = Layer<std::int32_t>(rows, columns, 0);
  l.zones = Layer<std::int32_t>(rows, columns, zonemap::kAmbient);
  return l;
}

}  // namespace

bool SketchPad::allocateLayers(int rows, int columns) {
  if (allocated_) {
    reporter_.report(Severity::Error, {"Clear SketchPad arrays"});
    return false;
  }
  if (rows < kMinRows || columns < kMinColumns || rows > kMaxExtent || columns > kMaxExtent) {
    reporter_.report(Severity::Error, {"SketchPad size out of range: ", std::to_string(rows),
                                       " rows, ", std::to_string(columns), " columns"});
    return false;
  }
  rows_ = rows;
  columns_ = columns;
  current_ = makeLayers(rows, columns);
  sub_ = makeLayers(rows, columns);
  colours_ = Layer<std::uint8_t>(rows, columns, drawingColours_.background);
  selection_ = Layer<std::uint8_t>(rows, columns, 0);
  marks_ = Layer<std::uint8_t>(rows, columns, 0);
  allocated_ = true;
  hasSubLevel_ = false;
  clearCopy(SketchCopy::Current);
  clearCopy(SketchCopy::Sub);
  cursor_ = {1, 1};
  return true;
}

void SketchPad::releaseLayers() {
  current_ = {};
  sub_ = {};
  colours_ = {};
  selection_ = {};
  marks_ = {};
  rows_ = columns_ = 0;
  allocated_ = false;
  hasSubLevel_ = false;
}

void SketchPad::mark(int row, int column) {
  marks_.at(row, column) = 1;
  colours_.at(row, column) = drawingColours_.drawLine;
}

void SketchPad::unmark(int row, int column) {
  marks_.at(row, column) = 0;
  colours_.at(row, column) = drawingColours_.background;
}

void SketchPad::clearMarks() {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c)
      if (marked(r, c)) unmark(r, c);
}

bool SketchPad::anyMarked() const {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c)
      if (marked(r, c)) return true;
  return false;
}

void SketchPad::clearCopy(SketchCopy copy) {
  LevelLayers& l = layers(copy);
  l.sketch.fill(0);
  l.walls.fill(0);
  l.ducts.fill(0);
  l.links.fill(0);
  l.paths.fill(0);
  l.ctrls.fill(0);
  l.zones.fill(zonemap::kAmbient);
  l.sketch.at(0, 0) = icon::kAmbient;
  l.paths.at(0, 0) = -1;
  const char* label = "Ambt";
  for (int c = 1; c <= 4; ++c) l.sketch.at(0, c) = static_cast<std::uint8_t>(label[c - 1]);
  l.sketch.at(0, 5) = 0;
  colours_.fill(drawingColours_.background);
  marks_.fill(0);
}

void SketchPad::setCursor(int row, int column) {
  cursor_.row = std::clamp(row, 1, std::max(1, rows_ - 2));
  cursor_.column = std::clamp(column, 1, std::max(1, columns_ - 2));
}

}  // namespace mz
