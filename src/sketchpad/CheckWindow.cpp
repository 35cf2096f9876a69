#include "sketchpad/CheckWindow.h"

namespace mz {

void ProblemsWindow::take(const ProblemList& problems) {
  rows_.clear();
  for (const Problem& p : problems.displayed()) rows_.push_back(p.text);
}

void ProblemsWindow::showProblems(const ProblemList& problems) {
  open_ = true;
  take(problems);
}

void ProblemsWindow::refreshProblems(const ProblemList& problems) {
  if (open_) take(problems);
}

CheckResult ProblemsWindow::rerun(CheckContext& context) {
  const CheckResult result = checkBuilding(context, CheckMode::Full);
  refreshProblems(context.problems);
  return result;
}

bool ProblemsWindow::choose(CheckContext& context, std::size_t row) {
  return row < rows_.size() && selectProblem(context, row);
}

}  // namespace mz
