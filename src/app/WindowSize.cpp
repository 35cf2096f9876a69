#include "app/WindowSize.h"

#include <algorithm>

namespace mz {

WindowSize initialWindowSize(int cellSize, int columns, int rows) {
  return {cellSize * columns + 25, cellSize * rows + 100};
}

WindowSize sizeMainWindowToGrid(const GridFit& fit) {
  int width = fit.cellSize * fit.columns + 25 + fit.frame.width;
  int height = fit.cellSize * fit.rows + fit.menuBarHeight + 100 + fit.frame.height;
  width = std::min(width, fit.workArea.left + fit.workArea.width - fit.left);
  height = std::min(height, fit.workArea.top + fit.workArea.height - fit.top);
  return {std::max(width, kMinimumWindowWidth), std::max(height, kMinimumWindowHeight)};
}

}  // namespace mz
