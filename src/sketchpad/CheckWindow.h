#pragma once
// The "Building Check Problems" window without its widgets: whether it is open, the rows it
// lists, its buttons' rules. The Qt view binds a list and three buttons to it.

#include <cstddef>
#include <string>
#include <vector>

#include "sketchpad/Levelw.h"

namespace mz {

class ProblemsWindow final : public ProblemsView {
 public:
  void showProblems(const ProblemList& problems) override;
  void refreshProblems(const ProblemList& problems) override;

  bool isOpen() const { return open_; }
  // The problem texts, the newest first, as listed when last shown or refreshed.
  const std::vector<std::string>& rows() const { return rows_; }
  // "Run Simulation" is enabled only when nothing is listed.
  bool runSimulationEnabled() const { return rows_.empty(); }

  // "Rerun Building Check": the full check, then the list is refreshed.
  CheckResult rerun(CheckContext& context);
  // A click on a row: its level, cell and status text (see selectProblem).
  bool choose(CheckContext& context, std::size_t row);
  // "Close", and "Run Simulation" before it issues the command.
  void close() { open_ = false; }

 private:
  void take(const ProblemList& problems);

  bool open_ = false;
  std::vector<std::string> rows_;
};

}  // namespace mz
