#pragma once
// The toolbar's pictures, drawn in code so that the bar needs no image files and fits a window
// sized to the default grid.

#include <QIcon>

namespace mz {

// The picture of a toolbar button number; a null icon for a number without one.
QIcon toolbarIcon(int button);

}  // namespace mz
