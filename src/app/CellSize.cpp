#include "app/CellSize.h"

#include <algorithm>

#include "app/Configuration.h"
#include "foundation/Heap.h"

namespace mz {

std::string cellCursorName(ErrorReporter& reporter, int size) {
  if (std::find(kAllCellSizes.begin(), kAllCellSizes.end(), size) == kAllCellSizes.end())
    reporter.fatal({"Invalid font number"});
  return "IDC_CELL" + std::to_string(size);
}

bool setCellSize(int& current, std::span<const int> sizes, int mode, int size) {
  int chosen = kDefaultCellSize;
  switch (mode) {
    case static_cast<int>(CellSizeStep::Select):
      if (std::find(sizes.begin(), sizes.end(), size) != sizes.end()) chosen = size;
      break;
    case static_cast<int>(CellSizeStep::Smaller): {
      chosen = current;
      for (int s : sizes)
        if (s < current) chosen = s;  // sizes increase: the last smaller one is the next
      break;
    }
    case static_cast<int>(CellSizeStep::Larger): {
      chosen = current;
      for (auto it = sizes.rbegin(); it != sizes.rend(); ++it)
        if (*it > current) chosen = *it;
      break;
    }
    default:
      break;
  }
  const bool changed = chosen != current;
  current = chosen;
  return changed;
}

}  // namespace mz
