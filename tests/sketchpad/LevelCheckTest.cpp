// The level check: each kind of problem from a small drawing, where it is listed, and whether it
// fails the level.

#include <gmock/gmock.h>

#include <stdexcept>

#include "CheckFixture.h"
#include "sketchpad/SketchSymbols.h"

namespace mz::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAreArray;

struct LevelCase {
  const char* name;
  std::string below;  // the level below, or none when empty
  std::string level;  // the level checked
  std::vector<std::string> texts;
  CheckResult result;
};

constexpr const char* kEmpty = R"(grid 8 14
..............
)";

// A duct from a junction or terminal at (3, 3) with its segment to a terminal at (3, 9).
std::string ductFrom(int code) {
  return "grid 8 14\n..............\n@ 3 3 " + std::to_string(code) +
         " 1\n@ 3 4 145 1\n@ 3 6 155 1\n@ 3 9 162 2\n";
}

const std::vector<LevelCase> kLevelCases = {
    {"ClosedBoxWithoutZoneIcon",
     {},
     R"(grid 8 14
..............
.+-----+......
.|.....|......
.|.....|......
.+-----+......
)",
     {"At least one zone is not defined on level: <1>"},
     CheckResult::Failed},
    {"AmbientOnBothSidesOfWallPaths",
     {},
     R"(grid 8 14
..............
.+-----+......
.|.....|......
.|.A-1.F2.....
.|.....|......
.+--F1-+......
)",
     {"The same zone is on both sides of the wall that the path is on.",
      "The same zone is on both sides of the wall that a path is on."},
     CheckResult::Failed},
    {"PathInsideAZoneOnTheLowestLevel",
     {},
     R"(grid 8 14
..............
.+-----+......
.|.Z1..|......
.|..F1.|......
.+-----+......
)",
     {"Path is not above a sublevel."},
     CheckResult::Failed},
    {"PathAboveASublevelWall",
     R"(grid 8 14
..............
.+---+........
.|Z1.|........
.|...|........
.+---+........
)",
     R"(grid 8 14
..............
.+---------+..
.|Z2.......|..
.|...F1....|..
.+---------+..
)",
     {"Path is above a sublevel wall."},
     CheckResult::Failed},
    {"SameZoneAboveAndBelowTheFloor",
     R"(grid 8 14
..............
.+-----+......
.|Z1...|......
.|.....|......
.+-----+......
)",
     R"(grid 8 14
..............
.+-----+......
.|P1...|......
.|..F1.|......
.+-----+......
)",
     {"The same zone is on both sides of the \"floor\" that the path is on."},
     CheckResult::Failed},
    {"PathOnAWallNode",
     {},
     R"(grid 8 14
..............
.+-----+......
.|.Z1..|......
.+-----+......
@ 1 7 23 1
)",
     {"Path is on a wall corner, tee or cross."},
     CheckResult::Failed},
    {"PointAndSourceInAmbient",
     {},
     R"(grid 8 14
..............
..I1...S1.....
)",
     {"Supplies and Returns of simple AHS are not permitted in the ambient zone.",
      "Contaminant source not permitted in the ambient zone."},
     CheckResult::Failed},
    {"IconsWithoutRecords",
     {},
     R"(grid 8 14
..............
.+-----+......
.|Z1.N.F......
.|H.X.S|......
.|O.I..|......
.+-----+......
)",
     {"Undefined annotation.", "Undefined airflow path.", "Undefined simple AHS.",
      "Undefined occupant.", "Undefined source/sink.", "Undefined AHS return.",
      "Undefined AHS supply."},
     CheckResult::Failed},
    {"JunctionDownWithNothingBelow",
     kEmpty,
     ductFrom(160),
     {"Junction requires an upward junction from the level below."},
     CheckResult::Failed},
    {"JunctionFromBelowWithNothingHere",
     ductFrom(159),
     kEmpty,
     {"Terminal requires a downward junction from the level above."},
     CheckResult::Failed},
    {"JunctionUpOnTheHighestLevel",
     {},
     ductFrom(159),
     {"Junction cannot connect upward from highest level"},
     CheckResult::Failed},
    {"TerminalUpOnTheHighestLevel",
     {},
     ductFrom(163),
     {"A terminal cannot connect upward from highest level"},
     CheckResult::Failed},
    {"JunctionWithOneDuct",
     {},
     ductFrom(158),
     {"Junction must connect to at least two horizontal ducts."},
     CheckResult::Failed},
    {"TerminalWithoutDuct",
     {},
     R"(grid 8 14
..............
@ 3 3 162 1
)",
     {"Terminal must connect to one horizontal duct."},
     CheckResult::Failed},
    {"DuctWithoutRecords",
     {},
     R"(grid 8 14
..............
@ 3 3 162 0
@ 3 4 145 0
@ 3 9 162 0
)",
     {"Undefined duct terminal.", "Undefined duct segment.", "Undefined duct terminal."},
     CheckResult::Failed},
    {"TwoZoneIconsInOneArea",
     {},
     R"(grid 8 14
..............
.+-----+......
.|Z1...|......
.|...Z2|......
.+-----+......
)",
     {"Zone definition error: the area holds more than one zone icon or its walls are open.",
      "Zone definition error: the area holds more than one zone icon or its walls are open."},
     CheckResult::Failed},
    {"PathOnTheGridsLastColumn",
     {},
     R"(grid 8 9
.........
.+------+
.|Z1....|
.|......|
.+------+
@ 3 8 23 1
)",
     {},
     CheckResult::Passed},
    {"CompleteLevel",
     {},
     R"(grid 8 14
..............
.+-----+......
.|Z1...F1.....
.|..S1.|......
.+-----+......
)",
     {},
     CheckResult::Passed},
};

const LevelCase& levelCase(std::string_view name) {
  for (const LevelCase& c : kLevelCases)
    if (name == c.name) return c;
  throw std::invalid_argument(std::string(name));
}

class LevelCheckTest : public CheckFixture, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelCheckTest, ListsTheLevelsProblems) {
  const LevelCase& c = GetParam();
  if (!c.below.empty()) addLevel(c.below);
  Level& level = addLevel(c.level);
  show(level);
  const CheckResult result = checkLevel(context);
  EXPECT_THAT(texts(), UnorderedElementsAreArray(c.texts));
  EXPECT_EQ(result, c.result);
  // A failed check always says why.
  if (result == CheckResult::Failed) {
    EXPECT_FALSE(problems.empty());
  }
  for (const Problem& p : problems.displayed()) EXPECT_EQ(p.level, Levels::ref(&level));
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelCheckTest, ::testing::ValuesIn(kLevelCases),
                         [](const ::testing::TestParamInfo<LevelCase>& param) {
                           return std::string(param.param.name);
                         });

class LevelCheckDetailTest : public CheckFixture {};

TEST_F(LevelCheckDetailTest, OneUndefinedAreaIsListedOnceAtItsFirstCell) {
  addLevel(R"(grid 8 14
..............
.+-----+......
.|.....|......
.|.....|......
.+-----+......
)");
  open();
  checkLevel(context);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].row, 2);
  EXPECT_EQ(problems[0].column, 2);
}

TEST_F(LevelCheckDetailTest, ZeroVolumesAreListedWithoutFailingTheLevel) {
  project.settings.runControl.sim_mf = 2;
  project.settings.runControl.sim_sts = 1;
  project.createAhs(diag.reporter, "Sys");  // zones 1 and 2, no volume
  addLevel(R"(grid 8 14
..............
.+-----+......
.|Z3.H1|......
.|.....|......
.+-----+......
)");
  project.zones.at(3)->Vol = 0.0f;
  open();
  EXPECT_EQ(checkLevel(context), CheckResult::Passed);
  EXPECT_THAT(texts(), UnorderedElementsAreArray({"Zone has zero volume.",
                                                  "Return system volume of simple AHS is zero.",
                                                  "Supply system volume of simple AHS is zero."}));
}

TEST_F(LevelCheckDetailTest, AZoneConflictIsAlsoReportedAsAnError) {
  addLevel(levelCase("TwoZoneIconsInOneArea").level);
  open();
  checkLevel(context);
  EXPECT_THAT(diag.messages(), ElementsAre("Zone definition error(s)"));
  EXPECT_EQ(diag.reporter.errorCount(), 1);
}

TEST_F(LevelCheckDetailTest, CheckCurrentLevelOnACompleteLevelOnlySaysSo) {
  addLevel(levelCase("CompleteLevel").level);
  open();
  EXPECT_EQ(checkCurrentLevelCommand(context), CheckResult::Passed);
  const std::vector<UiEvent> shown = diag.ui.eventsOf(UiEvent::Kind::Message);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "NOTE");
  EXPECT_EQ(diag.messages(), std::vector<std::string>{"Level data is complete"});
  EXPECT_EQ(view.shown, 0);
}

TEST_F(LevelCheckDetailTest, CheckCurrentLevelShowsTheProblemsOfAnIncompleteLevel) {
  addLevel(levelCase("ClosedBoxWithoutZoneIcon").level);
  open();
  problems.addProblem({}, 1, 1, "left from before");
  EXPECT_EQ(checkCurrentLevelCommand(context), CheckResult::Failed);
  EXPECT_EQ(view.shown, 1);
  EXPECT_EQ(view.lastSize, 1u);
  EXPECT_THAT(diag.messages(), IsEmpty());
}

TEST(ProblemListTest, ListsNewestFirstAddsEachEntryOnceAndCutsLongTexts) {
  ProblemList list;
  const Ref<Level> one{1};
  EXPECT_TRUE(list.addProblem(one, 2, 3, "first"));
  EXPECT_TRUE(list.addProblem(one, 2, 4, "first"));
  EXPECT_TRUE(list.addProblem(Ref<Level>{2}, 2, 3, "first"));
  EXPECT_FALSE(list.addProblem(one, 2, 3, "first"));
  EXPECT_TRUE(list.addProblem(one, 2, 3, std::string(300, 'x')));
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].text, std::string(kProblemTextLength, 'x'));
  EXPECT_EQ(list[3].column, 3);
  EXPECT_EQ(list[2].column, 4);
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(list.addProblem(one, 2, 3, "first"));
}

}  // namespace
}  // namespace mz::test
