// The building check: the walk over all levels that re-derives the records' links from the
// drawing, the numbering it runs, and the whole-building checks of the full mode.

#include <gmock/gmock.h>

#include "CheckFixture.h"
#include "foundation/Formats.h"
#include "sketchpad/SketchSymbols.h"

namespace mz::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class BuildingCheckTest : public CheckFixture {
 protected:
  std::vector<std::string> statusTexts() const {
    std::vector<std::string> out;
    for (const UiEvent& e : diag.ui.eventsOf(UiEvent::Kind::Status)) out.push_back(e.text);
    return out;
  }
};

// Zone 1 opens to ambient through path 1.
constexpr std::string_view kOpenZone = R"(grid 8 14
..............
.+-----+......
.|Z1...F1.....
.+-----+......
)";
constexpr std::string_view kBoxWithoutZone = R"(grid 8 14
..............
.+-----+......
.|.....|......
.+-----+......
)";

// Zone n opens to ambient through path n; zone n + 1 is reached only through the fan path
// n + 1.
std::string fanOnly(int n) {
  return cformat(R"(grid 8 16
................
.+-----+-----+..
.|Z%d...|Z%d...|..
.F%d....>%d....|..
.|.....|.....|..
.+-----+-----+..
)",
                 n, n + 1, n, n + 1);
}

TEST_F(BuildingCheckTest, AZoneReachedOnlyThroughAFanIsListedOnTheHighestLevelShowingOne) {
  TempDir dir;
  LogFile log;
  ASSERT_TRUE(log.open(dir / "check.log"));
  diag.reporter.setLog(&log);
  const Ref<AirflowElement> fan =
      ElementList<AirflowElement>::ref(&addAirflowElement("fan", kFanType, 28));
  addLevel(fanOnly(1));
  Level& upper = addLevel(fanOnly(3));
  project.paths.at(2)->element = fan;
  project.paths.at(4)->element = fan;
  open();

  EXPECT_EQ(checkBuilding(context, CheckMode::Full), CheckResult::Failed);
  EXPECT_THAT(texts(), ElementsAre("Zone not connected to ambient by variable flow link."));
  EXPECT_EQ(problems[0].level, Levels::ref(&upper));
  EXPECT_EQ(problems[0].row, 2);
  EXPECT_EQ(problems[0].column, 8);
  EXPECT_EQ(project.current(), &upper);
  EXPECT_EQ(view.shown, 1);
  // Upper zones come first: 1 and 2; the lower level's are 3 and 4.
  log.close();
  EXPECT_THAT(readFile(dir / "check.log"),
              HasSubstr("Unlinked nodes:\n     zone:   2\n     zone:   4\n"));
}

TEST_F(BuildingCheckTest, AConstantPressureZoneWithoutPathsPasses) {
  addLevel(R"(grid 8 14
..............
.+-----+......
.|Z1...|......
.+-----+......
)");
  project.zones.at(1)->flags &= static_cast<std::uint16_t>(~ZoneFlag::VariablePressure);
  open();
  EXPECT_EQ(checkBuilding(context, CheckMode::Full), CheckResult::Passed);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(view.shown, 0);
  EXPECT_EQ(view.refreshed, 1);
  EXPECT_THAT(statusTexts(), ElementsAre(" Checking building description"));
}

TEST_F(BuildingCheckTest, AFailedLevelFailsTheBuildingAndTheStartLevelStaysCurrent) {
  Level& lower = addLevel(kOpenZone);
  addLevel(kBoxWithoutZone);
  open();
  EXPECT_EQ(checkBuilding(context, CheckMode::Full), CheckResult::Failed);
  EXPECT_THAT(texts(), ElementsAre("At least one zone is not defined on level: <2>"));
  EXPECT_EQ(project.current(), &lower);
  EXPECT_EQ(view.shown, 1);
}

TEST_F(BuildingCheckTest, RenumberingLeavesDrawingAndRecordsConsistent) {
  Level& lower = addLevel(R"(grid 8 16
................
.+-----+........
.|Z5...F9.......
.|..S4.F7.......
.+-----+........
)");
  Level& upper = addLevel(R"(grid 8 16
................
.+-----+........
.|Z2...F3.......
.|.....|........
.+-----+........
)");
  // An edit: path 7 goes with its icon.
  std::erase_if(lower.items,
                [](const LevelItem& i) { return i.code == icon::kPath && i.number == 7; });
  project.freePath(7);
  project.marks = {};
  open();

  EXPECT_EQ(checkBuilding(context, CheckMode::Renumber), CheckResult::Passed);
  EXPECT_THAT(statusTexts(), ElementsAre(" Renumbering building icons"));
  EXPECT_TRUE(project.marks.modified);
  EXPECT_THAT(zoneNames(), ElementsAre("Z2", "Z5"));
  EXPECT_THAT(pathOrigins(), ElementsAre(3, 9));
  for (int n = 1; n <= 2; ++n) {
    const AirflowPath& path = *project.paths.at(n);
    EXPECT_TRUE(path.from.isAmbient());
    EXPECT_EQ(project.zones.numberOf(path.to), n);
    EXPECT_EQ(path.dir, kDirLeft);  // ambient on the right of the wall
  }
  EXPECT_EQ(project.zones.numberOf(project.sourceSinks.at(1)->zone), 2);
  // The start level is current again and its layers carry the new numbers.
  EXPECT_EQ(project.current(), &lower);
  EXPECT_EQ(pad.current().paths.at(2, 2), 2);
  EXPECT_EQ(pad.current().paths.at(2, 7), 2);
  EXPECT_EQ(pad.current().zones.at(3, 3), 2);
  EXPECT_THAT(itemsOf(upper, icon::kZone), ElementsAre(LevelItem{2, 2, icon::kZone, 1}));
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(diag.reporter.errorCount(), 0);
}

TEST_F(BuildingCheckTest, APathBetweenTwoZonesLosesItsWindSettings) {
  addLevel(R"(grid 8 16
................
.+-----+-----+..
.|Z1...F1Z2..|..
.+-----+-----+..
)");
  AirflowPath& path = *project.paths.at(1);
  path.flags = PathFlag::WindPressure;
  path.wPmod = 0.5f;
  path.wazm = 90.0f;
  open();
  checkBuilding(context, CheckMode::Renumber);
  EXPECT_EQ(path.flags & PathFlag::WindPressure, 0);
  EXPECT_EQ(path.wPmod, 0.0f);
  EXPECT_EQ(path.wazm, -1.0f);
  EXPECT_EQ(project.zones.numberOf(path.from), 1);
  EXPECT_EQ(project.zones.numberOf(path.to), 2);
}

TEST_F(BuildingCheckTest, ImplicitPathsTakeTheirParentsPlace) {
  SuperAirflowData data;
  data.subElements.push_back(
      {ElementList<AirflowElement>::ref(&addAirflowElement("a", 0)), 1.0f, false, false});
  AirflowElement& super = addAirflowElement("super", kSuperAirflowType);
  super.typeData = data;
  addLevel(R"(grid 8 16
................
.+-----+-----+..
.|Z1...F1Z2..|..
.+-----+-----+..
)");
  AirflowPath& parent = *project.paths.at(1);
  parent.element = ElementList<AirflowElement>::ref(&super);
  project.setImplicitPaths(parent);
  open();
  checkBuilding(context, CheckMode::Renumber);
  ASSERT_EQ(project.paths.count(), 2);
  const AirflowPath& implicit = *project.paths.at(2);
  EXPECT_EQ(project.zones.numberOf(implicit.from), 1);
  EXPECT_EQ(project.zones.numberOf(implicit.to), 2);
  EXPECT_EQ(implicit.dir, kDirRight);
}

TEST_F(BuildingCheckTest, RecordsOnAnotherLevelAreMovedWithANotice) {
  Level& lower = addLevel(kOpenZone);
  Level& upper = addLevel(R"(grid 8 14
..............
)");
  project.paths.at(1)->level = Levels::ref(&upper);
  project.zones.at(1)->level = Levels::ref(&upper);
  open();
  checkBuilding(context, CheckMode::Renumber);
  EXPECT_THAT(diag.messages(), ElementsAre("Possible level error for path 1 fixed",
                                           "Possible level error for zone 1 fixed"));
  EXPECT_EQ(project.paths.at(1)->level, Levels::ref(&lower));
  EXPECT_EQ(project.zones.at(1)->level, Levels::ref(&lower));
}

TEST_F(BuildingCheckTest, DuctEndsTerminalZonesAndDirectionsComeFromTheDrawing) {
  addLevel(R"(grid 8 14
..............
@ 3 3 162 1
@ 3 4 145 1
@ 3 6 155 1
@ 3 9 162 2
)");
  open();
  EXPECT_EQ(checkBuilding(context, CheckMode::Full), CheckResult::Passed);
  const DuctSegment& duct = *project.ducts.at(1);
  EXPECT_EQ(project.junctions.numberOf(duct.from), 1);
  EXPECT_EQ(project.junctions.numberOf(duct.to), 2);
  EXPECT_TRUE(project.junctions.at(1)->zone.isAmbient());
  EXPECT_EQ(project.junctions.at(1)->terminal.dir, kDirLeft);
  EXPECT_EQ(project.junctions.at(2)->terminal.dir, kDirRight);
  EXPECT_EQ(project.junctions.at(2)->terminal.reverseDir, kDirLeft);
}

TEST_F(BuildingCheckTest, ADepositionSinkInAZoneWithoutVolumeFailsTheBuilding) {
  SourceElement sink;
  sink.name = "drs";
  sink.type = 7;
  const Ref<SourceElement> drs =
      ElementList<SourceElement>::ref(&project.sourceElements.addElement(sink));
  addLevel(R"(grid 8 14
..............
.+-----+......
.|Z1.S1F1.....
.+-----+......
)");
  project.sourceSinks.at(1)->element = drs;
  project.zones.at(1)->Vol = 0.0f;
  open();
  EXPECT_EQ(checkBuilding(context, CheckMode::Full), CheckResult::Failed);
  EXPECT_THAT(texts(), ElementsAre("Warning - A deposition rate source is located in a zone with "
                                   "zero volume.  This will prevent any deposition from "
                                   "occurring."));
  EXPECT_EQ(problems[0].column, 5);
}

TEST_F(BuildingCheckTest, WithAWpcFileAnAmbientPathNeedsAnElement) {
  project.settings.wpc.wp = 1;
  const Ref<AirflowElement> orifice =
      ElementList<AirflowElement>::ref(&addAirflowElement("orifice", 0));
  addLevel(R"(grid 8 14
..............
.+-----+......
.|Z1...F1.....
.|.....F2.....
.+-----+......
)");
  project.paths.at(2)->element = orifice;
  open();
  diag.reporter.resetCount();
  checkBuilding(context, CheckMode::Renumber);
  EXPECT_THAT(diag.messages(), ElementsAre("WPC definition error for path 1"));
  EXPECT_EQ(diag.reporter.errorCount(), 1);
  EXPECT_EQ(project.paths.at(2)->flags & 0x06, 0x06);
}

TEST_F(BuildingCheckTest, ChoosingAProblemGoesToItsLevelAndCell) {
  Level& lower = addLevel(kOpenZone);
  Level& upper = addLevel(kBoxWithoutZone);
  open();
  checkBuilding(context, CheckMode::Full);
  ASSERT_EQ(project.current(), &lower);
  ASSERT_TRUE(selectProblem(context, 0));
  EXPECT_EQ(project.current(), &upper);
  EXPECT_EQ(pad.cursor(), (CellPos{2, 2}));
  EXPECT_EQ(pad.colours().at(2, 2), pad.drawingColours().error);
  EXPECT_EQ(statusTexts().back(), "Col 2, Row 2");
  EXPECT_FALSE(selectProblem(context, 1));
}

TEST_F(BuildingCheckTest, AProjectWithoutLevelsPasses) {
  pad.allocateLayers(8, 14);
  EXPECT_EQ(checkBuilding(context, CheckMode::Full), CheckResult::Passed);
  EXPECT_THAT(texts(), IsEmpty());
}

}  // namespace
}  // namespace mz::test
