#include "sketchpad/CheckProblems.h"

#include "foundation/Formats.h"
#include "model/Project.h"

namespace mz {

namespace {

std::string keyOf(const Problem& p) {
  return cformat("%u %d %d ", p.level.id, p.row, p.column) + p.text;
}

}  // namespace

bool ProblemList::addProblem(Ref<Level> level, int row, int column, std::string_view text) {
  Problem problem{level, row, column, std::string(text.substr(0, kProblemTextLength))};
  if (!keys_.insert(keyOf(problem)).second) return false;
  entries_.push_front(std::move(problem));
  return true;
}

void ProblemList::clear() {
  entries_.clear();
  keys_.clear();
}

std::string problemLine(const Project& project, const Problem& problem) {
  const Level* level = project.levels.find(problem.level);
  return cformat("level %d row %d col %d: ", level ? level->number : 0, problem.row,
                 problem.column) +
         problem.text;
}

}  // namespace mz
