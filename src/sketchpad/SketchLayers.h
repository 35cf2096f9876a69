#pragma once
// The SketchPad's working form of a level: one value per cell in each layer, for the current
// level and for the level below it, with the per-cell colours, marks and selection of the view.

#include <cstdint>
#include <vector>

namespace mz {

class ErrorReporter;

// A row-major grid of one value per cell.
template <class T>
class Layer {
 public:
  Layer() = default;
  Layer(int rows, int columns, T value)
      : rows_(rows), columns_(columns), cells_(static_cast<std::size_t>(rows) * columns, value) {}
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  bool contains(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
  }
  T& at(int row, int column) { return cells_[index(row, column)]; }
  const T& at(int row, int column) const { return cells_[index(row, column)]; }
  void fill(T value) { cells_.assign(cells_.size(), value); }
  bool empty() const { return cells_.empty(); }

 private:
  std::size_t index(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
  }
  int rows_ = 0;
  int columns_ = 0;
  std::vector<T> cells_;
};

// Values of the zone map.
namespace zonemap {
inline constexpr int kWall = -3;
inline constexpr int kUndefined = -2;
inline constexpr int kAmbient = -1;
inline constexpr int kUnreached = 0;
}  // namespace zonemap

// The layers of one level.
struct LevelLayers {
  Layer<std::uint8_t> sketch;  // icons
  Layer<std::uint8_t> walls;
  Layer<std::uint8_t> ducts;
  Layer<std::uint8_t> links;
  Layer<std::int32_t> paths;  // record number behind an icon, duct cell, junction or terminal
  Layer<std::int32_t> ctrls;  // control-node number of a link cell
  Layer<std::int32_t> zones;  // the zone map
};

enum class SketchCopy { Current = 0, Sub = 1 };

// The colour-table indexes of the palette roles the drawing rules use; the configuration
// supplies them.
struct DrawingColours {
  std::uint8_t background = 0;
  std::uint8_t drawLine = 1;
  std::uint8_t error = 2;
  std::uint8_t foreground = 3;
  std::uint8_t undefined = 4;
};

// A colour index taken from outside (a file, the configuration): `value` when it names an entry
// of a table of `tableSize` colours, otherwise `fallback`.
std::uint8_t checkedColourIndex(int value, int tableSize, std::uint8_t fallback);

struct CellPos {
  int row = 0;
  int column = 0;
  bool operator==(const CellPos&) const = default;
};

class SketchPad {
 public:
  // The smallest grid that holds the border ring and the ambient marker, and the largest one
  // whose cells a level item can address.
  static constexpr int kMinRows = 3;
  static constexpr int kMinColumns = 6;
  static constexpr int kMaxExtent = 32767;

  explicit SketchPad(ErrorReporter& reporter, DrawingColours colours = {});

  // Allocates every layer at the given size; refused (with an error) while layers exist or for a
  // size outside kMin..kMaxExtent.
  bool allocateLayers(int rows, int columns);
  void releaseLayers();
  bool allocated() const { return allocated_; }
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  bool inside(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
  }
  // Inside the editable area within the border ring.
  bool editable(int row, int column) const {
    return row >= 1 && row <= rows_ - 2 && column >= 1 && column <= columns_ - 2;
  }

  LevelLayers& layers(SketchCopy copy) { return copy == SketchCopy::Current ? current_ : sub_; }
  const LevelLayers& layers(SketchCopy copy) const {
    return copy == SketchCopy::Current ? current_ : sub_;
  }
  LevelLayers& current() { return current_; }
  const LevelLayers& current() const { return current_; }
  LevelLayers& sub() { return sub_; }
  const LevelLayers& sub() const { return sub_; }
  // Whether the sub-level copy holds a level (false for the lowest level).
  bool hasSubLevel() const { return hasSubLevel_; }
  void setHasSubLevel(bool has) { hasSubLevel_ = has; }

  Layer<std::uint8_t>& colours() { return colours_; }
  const Layer<std::uint8_t>& colours() const { return colours_; }
  Layer<std::uint8_t>& selection() { return selection_; }

  // Marks of a drawing in progress, kept apart from the colour the cell shows.
  bool marked(int row, int column) const { return marks_.at(row, column) != 0; }
  void mark(int row, int column);
  void unmark(int row, int column);
  void clearMarks();
  bool anyMarked() const;

  // Clears one copy: empty layers, zone map -1, the ambient marker and its label in row 0;
  // the colours return to the background.
  void clearCopy(SketchCopy copy);

  // Set when walls were written since the flag was last cleared (the checks read it).
  bool wallsChanged() const { return wallsChanged_; }
  void setWallsChanged(bool changed) { wallsChanged_ = changed; }

  CellPos cursor() const { return cursor_; }
  // Moves the cursor, kept inside the editable area.
  void setCursor(int row, int column);

  ErrorReporter& reporter() { return reporter_; }
  const DrawingColours& drawingColours() const { return drawingColours_; }
  void setDrawingColours(const DrawingColours& colours) { drawingColours_ = colours; }

 private:
  ErrorReporter& reporter_;
  DrawingColours drawingColours_;
  bool allocated_ = false;
  bool hasSubLevel_ = false;
  bool wallsChanged_ = false;
  int rows_ = 0;
  int columns_ = 0;
  LevelLayers current_;
  LevelLayers sub_;
  Layer<std::uint8_t> colours_;
  Layer<std::uint8_t> selection_;
  Layer<std::uint8_t> marks_;
  CellPos cursor_{1, 1};
};

}  // namespace mz
