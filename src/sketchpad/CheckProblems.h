#pragma once
// The problems a level or building check found, each located at a level and a cell, and the
// logic of the "Building Check Problems" window that lists them.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_set>

#include "foundation/Lists.h"
#include "model/Level.h"

namespace mz {

class Project;

struct Problem {
  Ref<Level> level;
  std::int32_t row = 0;
  std::int32_t column = 0;
  std::string text;  // at most kProblemTextLength characters

  friend bool operator==(const Problem&, const Problem&) = default;
};

inline constexpr std::size_t kProblemTextLength = 255;

class ProblemList {
 public:
  // Adds a problem in front of the list; a text longer than kProblemTextLength is cut there. An
  // entry equal to one in the list is not added again: false then.
  bool addProblem(Ref<Level> level, int row, int column, std::string_view text);
  void clear();

  bool empty() const { return entries_.empty(); }
  std::size_t size() const { return entries_.size(); }
  // The problems in display order: the newest first.
  const std::deque<Problem>& displayed() const { return entries_; }
  const Problem& operator[](std::size_t i) const { return entries_[i]; }

 private:
  std::deque<Problem> entries_;
  std::unordered_set<std::string> keys_;
};

// One problem as the command-line tool prints it: "level <number> row <r> col <c>: <text>".
std::string problemLine(const Project& project, const Problem& problem);

}  // namespace mz
