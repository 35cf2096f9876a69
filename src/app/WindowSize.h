#pragma once
// The main window's size from the SketchPad grid.

namespace mz {

// The SketchPad grid of a new project, and the cell size it is shown at.
inline constexpr int kDefaultGridColumns = 66;
inline constexpr int kDefaultGridRows = 58;

inline constexpr int kMinimumWindowWidth = 550;
inline constexpr int kMinimumWindowHeight = 175;

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

struct WindowSize {
  int width = 0, height = 0;
  bool operator==(const WindowSize&) const = default;
};

// The initial client size of the main window: cellSize x columns + 25 by cellSize x rows + 100.
WindowSize initialWindowSize(int cellSize, int columns, int rows);

struct GridFit {
  int cellSize = 8;
  int columns = kDefaultGridColumns;
  int rows = kDefaultGridRows;
  int menuBarHeight = 0;
  WindowSize frame;       // what the window frame adds to the client size
  Rect workArea;          // of the window's monitor
  int left = 0, top = 0;  // the window's top-left corner, which stays
};

// The outer size (frame included): cellSize x columns + 25 wide and cellSize x rows + menu bar
// + 100 high plus the frame, each cut so the window ends inside the work area, then at least
// 550 x 175.
WindowSize sizeMainWindowToGrid(const GridFit& fit);

}  // namespace mz
