#pragma once
// Numbering and packing of the project, and the icon check of the project file. Numbering:
// components take consecutive numbers in drawing order (levels from the highest down, each level's
// items in stored order), records that no icon refers to are dropped, the level items take the new
// numbers and every component table is rebuilt dense. The engine's results are indexed by these
// numbers.

#include <cstdint>
#include <vector>

namespace mz {

class ErrorReporter;
class Project;

// Zones of zone icons in drawing order; after each level's items the return and supply zones of
// the level's simple AHS icons; then the zones of systems without an icon. Phantom icons take
// the new number of the zone they named. Returns whether anything changed.
bool numberZones(Project& project, ErrorReporter& reporter);

// Paths (with their filters and the implicit paths of super airflow elements), annotations,
// exposures, source/sinks, AHS filters, duct segments and junctions in drawing order; then the
// three paths of every simple AHS in table order. Returns whether anything changed.
bool numberComponents(Project& project, ErrorReporter& reporter);

// Ties the implicit paths of super-element paths back to their parents (a project read from a
// file holds them as ordinary paths numbered directly after their parent); a parent with an icon
// whose implicit paths cannot be found gets them made again from its sub-elements, on its level.
void tieImplicitPaths(Project& project);

// The WPC bits of paths and terminals, from whether a WPC file is in use. A path to ambient that
// can take no WPC pressure is an ERROR report.
void setWpcFlags(Project& project, ErrorReporter& reporter);

// Control nodes in drawing order of their icons; every link and node item takes its node's new
// number (0 when its node has no icon). The old node numbers in their new order (new number k
// is entry k - 1) are what the control-node table is rebuilt from.
struct ControlOrder {
  std::vector<std::int32_t> oldNumbers;
  bool changed = false;  // an item took another number
};
ControlOrder numberControls(Project& project);

// The four steps in order. The project is marked modified when anything changed or when a
// renumbering was due; the renumber-due mark is cleared. Returns whether anything changed.
bool packProject(Project& project, ErrorReporter& reporter);

// Checks every item of every level (lowest first) against the counts of the records it may
// name. An invalid number is an ERROR report; most are repaired in place (the item becomes
// undefined), numbered duct icons and unknown codes cannot be. True when an item could not be
// repaired.
bool checkIcons(ErrorReporter& reporter, Project& project);

}  // namespace mz
