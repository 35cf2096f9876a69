#pragma once
// The level check and the building check. The level check examines the current level's layers;
// the building check walks every level, re-derives the links between the records and the
// drawing, numbers and packs the project and, in its full form, checks the whole building.
// Problems go into the problem list at their level and cell.

#include "sketchpad/CheckProblems.h"

namespace mz {

class Project;
class SketchPad;

enum class CheckResult { Passed, Failed };

// Full: before a simulation, every check. Renumber: before a save or results mode, only the walk
// that re-derives the links and the numbering.
enum class CheckMode { Renumber = 0, Full = 1 };

// Where the problems are shown (the "Building Check Problems" window).
class ProblemsView {
 public:
  virtual ~ProblemsView() = default;
  // Opens the window, or refreshes it when it is open.
  virtual void showProblems(const ProblemList& problems) = 0;
  // Refreshes the window only when it is open.
  virtual void refreshProblems(const ProblemList& problems) = 0;
};

struct CheckContext {
  Project& project;
  SketchPad& pad;
  ProblemList& problems;
  ProblemsView* view = nullptr;
};

// Checks the current level; the problems are added to the list (which is not emptied). A failed
// check always lists at least one problem.
CheckResult checkLevel(CheckContext& context);

// The building check. The level that was current stays current, except that the full check
// makes the highest level with a node not connected to ambient current.
CheckResult checkBuilding(CheckContext& context, CheckMode mode);

// The Check Current Level command: empties the list and checks the current level; a complete
// level is the NOTE "Level data is complete", otherwise the problems are shown.
CheckResult checkCurrentLevelCommand(CheckContext& context);

// A click on the problem at `index` (display order): its level becomes current, the cursor goes
// to its cell, which is highlighted, and the status bar shows "Col %d, Row %d". False when the
// problem's level no longer exists.
bool selectProblem(CheckContext& context, std::size_t index);

}  // namespace mz
