#pragma once
// Steps of the building check that have modules of their own.

#include "sketchpad/Levelw.h"

namespace mz {

struct Level;

// Stores the current-level layers into the current level's item list.
void storeCurrent(CheckContext& context);
// Makes the level current in the project and shows it in the layers, without storing first.
void showCurrent(CheckContext& context, Level& level);

// Re-derives the records' links from the current level's drawing: the zones and direction of
// every path, the level of paths and zones, the zone of sources, junctions and terminals, the
// ends of duct segments and the direction of terminals.
void rederiveLinks(CheckContext& context);

// Every zone and junction must reach ambient through links that let the pressure float. The
// nodes that do not are written to the log and listed on the highest level that shows one,
// which becomes current.
CheckResult checkConnectivity(CheckContext& context);

}  // namespace mz
