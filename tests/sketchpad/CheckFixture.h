#pragma once
// Projects for the check and numbering tests: levels drawn in the SketchPad's text notation,
// put into level item lists and loaded like a project file's items, with a record behind every
// numbered icon.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "model/Project.h"
#include "sketchpad/Levelw.h"
#include "sketchpad/SketchLayers.h"
#include "support/TestSupport.h"

namespace mz::test {

// The problems window, as the checks see it.
class RecordingView final : public ProblemsView {
 public:
  void showProblems(const ProblemList& problems) override {
    ++shown;
    lastSize = problems.size();
  }
  void refreshProblems(const ProblemList&) override { ++refreshed; }
  int shown = 0;
  int refreshed = 0;
  std::size_t lastSize = 0;
};

class CheckFixture : public ::testing::Test {
 protected:
  Diagnostics diag;
  Project project;
  SketchPad pad{diag.reporter};
  ProblemList problems;
  RecordingView view;
  CheckContext context{project, pad, problems, &view};

  // Adds a level on top of the others, drawn by `text`; every numbered icon gets a record of
  // its kind at that number unless one exists. Zones are named "Z<n>"; paths, sources and
  // junctions carry their first number in X (paths, junctions) or mult (sources) so that tests
  // can follow them through a renumbering.
  Level& addLevel(std::string_view text);
  // Makes the lowest level current (loading it and the level below).
  void open();
  // Makes the level current.
  void show(Level& level);

  // The problem texts in display order (newest first).
  std::vector<std::string> texts() const;
  // The items of a level with one code, in stored order.
  std::vector<LevelItem> itemsOf(const Level& level, std::uint8_t code) const;
  // Zone names in number order.
  std::vector<std::string> zoneNames() const;
  // Path X values (their first numbers) in number order.
  std::vector<int> pathOrigins() const;

  AirflowElement& addAirflowElement(std::string name, std::int16_t type, std::uint8_t icon = 25);
};

}  // namespace mz::test
