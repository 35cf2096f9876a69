// Numbering and packing in drawing order: the highest level first, each level's items in
// stored (row-major) order; dense tables afterwards, items carrying the new numbers.

#include <gmock/gmock.h>

#include "CheckFixture.h"
#include "foundation/Formats.h"
#include "model/Prjpack.h"
#include "sketchpad/SketchSymbols.h"

namespace mz::test {
namespace {

using ::testing::ElementsAre;

constexpr std::string_view kThreeBoxes = R"(grid 7 25
.........................
.+-----+.+-----+.+-----+.
.|.....|.|.....|.|.....|.
.|.Z1..|.|.Z2..|.|.Z3..|.
.|.....|.|.....|.|.....|.
.+-----+.+-----+.+-----+.
.........................
)";

std::string boxWith(std::string_view icon) {
  return cformat(R"(grid 7 25
.........................
.+-----+.................
.|.....|.................
.|.%-4s|.................
.|.....|.................
.+-----+.................
.........................
)",
                 std::string(icon).c_str());
}

std::vector<std::int32_t> numbers(const std::vector<LevelItem>& items) {
  std::vector<std::int32_t> out;
  for (const LevelItem& item : items) out.push_back(item.number);
  return out;
}

class PackTest : public CheckFixture {};

TEST_F(PackTest, TheHighestLevelIsNumberedFirst) {
  Level& lower = addLevel(boxWith("Z1"));
  Level& upper = addLevel(boxWith("Z2"));
  packProject(project, diag.reporter);
  EXPECT_THAT(zoneNames(), ElementsAre("Z2", "Z1"));
  EXPECT_THAT(numbers(itemsOf(upper, icon::kZone)), ElementsAre(1));
  EXPECT_THAT(numbers(itemsOf(lower, icon::kZone)), ElementsAre(2));
}

TEST_F(PackTest, ASystemsZonesFollowTheZonesOfItsLevel) {
  SimpleAhs& system = project.createAhs(diag.reporter, "Sys");  // zones 1 and 2
  Level& level = addLevel(R"(grid 7 25
.........................
.+-----+.......+-----+...
.|.....|.......|.....|...
.|.Z3..|..H1...|.Z4..|...
.|.....|.......|.....|...
.+-----+.......+-----+...
.........................
)");
  packProject(project, diag.reporter);
  EXPECT_THAT(zoneNames(), ElementsAre("Z3", "Z4", "Sys(Rec)", "Sys(Sup)"));
  EXPECT_EQ(project.zones.numberOf(system.returnZone), 3);
  EXPECT_EQ(project.zones.numberOf(system.supplyZone), 4);
  EXPECT_THAT(numbers(itemsOf(level, icon::kZone)), ElementsAre(1, 2));
}

TEST_F(PackTest, PhantomsFollowTheZoneTheyNamedWhenAGapCloses) {
  Level& lower = addLevel(kThreeBoxes);
  Level& upper = addLevel(R"(grid 7 25
.........................
.+-----+.+-----+.+-----+.
.|.....|.|.....|.|.....|.
.|.P1..|.|.....|.|.P3..|.
.|.....|.|.....|.|.....|.
.+-----+.+-----+.+-----+.
.........................
)");
  std::erase_if(lower.items,
                [](const LevelItem& i) { return i.code == icon::kZone && i.number == 2; });
  project.freeZone(2);

  packProject(project, diag.reporter);
  EXPECT_THAT(zoneNames(), ElementsAre("Z1", "Z3"));
  EXPECT_THAT(numbers(itemsOf(upper, icon::kPhantom)), ElementsAre(1, 2));
  show(upper);
  EXPECT_EQ(pad.current().zones.at(3, 19), 2);
  EXPECT_EQ(pad.current().zones.at(3, 3), 1);
}

TEST_F(PackTest, PathsAreNumberedInItemOrderAfterEditsAndDeletions) {
  addLevel(R"(grid 9 12
............
.+-----+....
.|.....|....
.|.Z1..F3...
.|.....|....
.|.....F1...
.|.....|....
.|.....F2...
.+-----+....
)");
  Level& level = *project.levels.lowest();
  project.putPath(project.newPath({}), 9);  // no icon names it
  packProject(project, diag.reporter);
  EXPECT_THAT(pathOrigins(), ElementsAre(3, 1, 2));
  EXPECT_THAT(numbers(itemsOf(level, icon::kPath)), ElementsAre(1, 2, 3));

  // The middle icon goes with its record; the gap closes.
  std::erase_if(level.items,
                [](const LevelItem& i) { return i.code == icon::kPath && i.number == 2; });
  project.freePath(2);
  packProject(project, diag.reporter);
  EXPECT_THAT(pathOrigins(), ElementsAre(3, 2));
  EXPECT_THAT(numbers(itemsOf(level, icon::kPath)), ElementsAre(1, 2));
  EXPECT_EQ(project.paths.count(), 2);
}

class SuperPathTest : public PackTest {
 protected:
  void SetUp() override {
    SuperAirflowData data;
    for (const char* name : {"a", "b", "c"}) {
      subRefs.push_back(ElementList<AirflowElement>::ref(&addAirflowElement(name, 0)));
      data.subElements.push_back({subRefs.back(), 0.5f, true, false});
    }
    AirflowElement& super = addAirflowElement("super", kSuperAirflowType);
    super.typeData = data;
    superRef = ElementList<AirflowElement>::ref(&super);
    addLevel(R"(grid 9 12
............
.+-----+....
.|.....|....
.|.Z1..F1...
.|.....|....
.|.....F2...
.|.....|....
.|.....F6...
.+-----+....
)");
    project.paths.at(2)->element = superRef;
  }
  std::vector<std::string> elementNamesFrom(int first, int count) {
    std::vector<std::string> out;
    for (int n = first; n < first + count; ++n) {
      const AirflowElement* e = project.airflowElements.find(project.paths.at(n)->element);
      out.push_back(e ? e->name : "-");
    }
    return out;
  }
  Ref<AirflowElement> superRef;
  std::vector<Ref<AirflowElement>> subRefs;
};

TEST_F(SuperPathTest, ImplicitPathsFollowTheirParentDirectly) {
  project.setImplicitPaths(*project.paths.at(2));  // paths 7, 8, 9
  packProject(project, diag.reporter);
  EXPECT_THAT(pathOrigins(), ElementsAre(1, 2, 2, 2, 2, 6));  // implicit paths copy X
  EXPECT_THAT(elementNamesFrom(3, 3), ElementsAre("a", "b", "c"));
  const AirflowPath& parent = *project.paths.at(2);
  ASSERT_EQ(parent.implicitPaths.size(), 3u);
  EXPECT_EQ(project.paths.numberOf(parent.implicitPaths[0]), 3);
  EXPECT_EQ(project.paths.numberOf(parent.implicitPaths[2]), 5);
}

TEST_F(SuperPathTest, ImplicitPathsReadFromAFileAreTiedToTheirParentAndKept) {
  // As a file holds them: ordinary paths numbered after the parent, with no list in memory.
  for (int n = 3; n <= 5; ++n) {
    AirflowPath implicit;
    implicit.element = subRefs[static_cast<std::size_t>(n - 3)];
    implicit.X = static_cast<float>(100 + n);
    project.putPath(implicit, n);
  }
  packProject(project, diag.reporter);
  EXPECT_THAT(pathOrigins(), ElementsAre(1, 2, 103, 104, 105, 6));
  EXPECT_EQ(project.paths.at(2)->implicitPaths.size(), 3u);
  packProject(project, diag.reporter);
  EXPECT_THAT(pathOrigins(), ElementsAre(1, 2, 103, 104, 105, 6));
}

TEST_F(SuperPathTest, ImplicitPathsThatCannotBeFoundAreMadeAgain) {
  packProject(project, diag.reporter);
  EXPECT_THAT(pathOrigins(), ElementsAre(1, 2, 2, 2, 2, 6));  // implicit paths copy X
  EXPECT_THAT(elementNamesFrom(3, 3), ElementsAre("a", "b", "c"));
  EXPECT_EQ(project.paths.at(4)->level, project.paths.at(2)->level);
}

TEST_F(PackTest, TheThreePathsOfEverySystemComeLastInSystemOrder) {
  SimpleAhs& b = project.createAhs(diag.reporter, "B");
  SimpleAhs& a = project.createAhs(diag.reporter, "A");
  addLevel(cformat(R"(grid 9 14
..............
.+-----+......
.|.....|......
.|.Z%d..F%d.....
.|.....|......
.|.H1..|.H2...
.+-----+......
..............
..............
)",
                   project.zones.count() + 1, project.paths.count() + 1));
  packProject(project, diag.reporter);
  EXPECT_EQ(project.paths.count(), 7);
  const std::vector<Ref<AirflowPath>> expected = {a.recirculationPath, a.outdoorAirPath,
                                                  a.exhaustPath,       b.recirculationPath,
                                                  b.outdoorAirPath,    b.exhaustPath};
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_EQ(project.paths.numberOf(expected[k]), static_cast<int>(k) + 2);
}

TEST_F(PackTest, AnyNumberOfSystemsStandsOnOneLevel) {
  constexpr int kSystems = 130;
  std::string text = "grid 20 80\n\n";
  for (int k = 0; k < kSystems; ++k) {
    project.createAhs(diag.reporter, cformat("S%03d", k));
    text += cformat("H%-3d", k + 1);
    if (k % 19 == 18) text += "\n";
  }
  addLevel(text);
  packProject(project, diag.reporter);
  ASSERT_EQ(project.zones.count(), 2 * kSystems);
  // Item order is the systems' number order here, which is their name order.
  for (int k = 1; k <= kSystems; ++k) {
    const SimpleAhs& system = *project.ahsByNumber(k);
    EXPECT_EQ(project.zones.numberOf(system.returnZone), 2 * k - 1) << system.name;
    EXPECT_EQ(project.zones.numberOf(system.supplyZone), 2 * k) << system.name;
  }
  EXPECT_EQ(diag.reporter.errorCount(), 0);
}

TEST_F(PackTest, ASystemWithoutIconKeepsItsZonesAndPaths) {
  SimpleAhs& system = project.createAhs(diag.reporter, "Sys");
  addLevel(boxWith("Z3"));
  packProject(project, diag.reporter);
  EXPECT_THAT(zoneNames(), ElementsAre("Z3", "Sys(Rec)", "Sys(Sup)"));
  EXPECT_EQ(project.paths.numberOf(system.exhaustPath), 3);
}

TEST_F(PackTest, DuctsJunctionsAndTheirStoredCellsTakeTheNewNumbers) {
  Level& level = addLevel(R"(grid 6 14
..............
..............
..............
..............
..............
..............
@ 3 3 162 7
@ 3 4 145 4
@ 3 6 155 4
@ 3 9 158 2
)");
  project.putDuct(project.newDuct(kDirFromBelow), 9);
  project.junctions.at(7)->duct = project.ducts.ref(9);
  project.junctions.at(2)->t = JunctionKind::Terminal;

  packProject(project, diag.reporter);
  EXPECT_THAT(numbers(level.items), ElementsAre(1, 2, 2, 2));
  EXPECT_EQ(project.ducts.at(1)->dir, kDirFromBelow);  // the junction's own duct comes first
  EXPECT_EQ(project.junctions.at(1)->t, JunctionKind::Terminal);
  EXPECT_EQ(project.junctions.at(2)->t, JunctionKind::Junction);
  EXPECT_EQ(project.junctions.count(), 2);
}

TEST_F(PackTest, ControlNodesAreNumberedByTheirIconsAndLinksFollow) {
  Level& level = addLevel(R"(grid 7 10
..........
..........
@ 2 2 185 5
@ 2 3 170 5
@ 4 2 185 2
@ 4 3 170 2
@ 5 3 170 8
)");
  const ControlOrder order = numberControls(project);
  EXPECT_THAT(order.oldNumbers, ElementsAre(5, 2));
  EXPECT_THAT(numbers(level.items), ElementsAre(1, 1, 2, 2, 0));
}

TEST_F(PackTest, ADueRenumberingMarksTheProjectModified) {
  addLevel(boxWith("Z1"));
  packProject(project, diag.reporter);
  project.marks = {};
  EXPECT_FALSE(packProject(project, diag.reporter));
  EXPECT_FALSE(project.marks.modified);

  project.addZone(project.newZone());  // no icon names it: it is dropped
  EXPECT_TRUE(project.marks.renumberDue);
  EXPECT_TRUE(packProject(project, diag.reporter));
  EXPECT_TRUE(project.marks.modified);
  EXPECT_FALSE(project.marks.renumberDue);
  EXPECT_EQ(project.zones.count(), 1);
}

}  // namespace
}  // namespace mz::test
