#pragma once
// The SketchPad cell size (pixels per cell side) and its zoom steps through the configured
// sizes.

#include <span>
#include <string>

namespace mz {

class ErrorReporter;

// How setCellSize chooses.
enum class CellSizeStep : int { Smaller = -1, Select = 0, Larger = 1 };

// The cell-shaped cursor of a size, "IDC_CELL1" .. "IDC_CELL16". Any other size is an
// impossible state: fatal "Invalid font number".
std::string cellCursorName(ErrorReporter& reporter, int size);

// mode 0 selects size when it is one of sizes, else 8; -1 the next smaller of sizes (the
// smallest stays); 1 the next larger (the largest stays); any other mode 8. Returns whether
// current changed.
bool setCellSize(int& current, std::span<const int> sizes, int mode, int size = 0);

}  // namespace mz
