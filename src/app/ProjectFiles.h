#pragma once
// The services the main window is bound to in the program: the project file reader and writer,
// the level check and the renumbering before a save, and the colours the SketchPad marks its
// cells with.

#include "app/Configuration.h"
#include "app/Workspace.h"

namespace mz {

// Reading copies every project file read successfully to `backup` (when given).
ProjectServices projectFileServices(const std::filesystem::path& backup = {});

// The colour-table indexes of the selected palette that the SketchPad writes into its colour
// layer (background, draw line, errors, foreground, undefined).
DrawingColours drawingColoursOf(const Configuration& config);

}  // namespace mz
