#pragma once
// Checks of the project's numbering that the project file's reader and writer run.

#include "foundation/Heap.h"

namespace mz {

class Project;

// Checks every item of every level (lowest first) against the counts of the records it may
// name. An invalid number is an ERROR report; most are repaired in place (the item becomes
// undefined), numbered duct icons and unknown codes cannot be. True when an item could not be
// repaired.
bool checkIcons(ErrorReporter& reporter, Project& project);

}  // namespace mz
