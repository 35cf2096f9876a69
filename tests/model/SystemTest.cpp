#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/Project.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;

class SimpleAhsTest : public ::testing::Test {
 protected:
  SimpleAhsTest() {
    project.settings.defaults.uf = 3;
    project.settings.defaults.T = 290.0f;
    project.addLevel(nullptr);
  }
  // A supply point of `system` drawn on the current level at (row, column).
  int addPoint(SimpleAhs& system, std::uint8_t code, std::int16_t row) {
    AirflowPath point = project.newPath({kDirFromBelow, 0, 0});
    point.flags = PathFlag::AhsPoint;
    point.ahs = ElementList<SimpleAhs>::ref(&system);
    int n = project.addPath(point);
    project.current()->items.push_back({row, 4, code, n});
    return n;
  }
  Diagnostics d;
  Project project;
};

TEST_F(SimpleAhsTest, CreatesTwoZonesAndThreePaths) {
  SimpleAhs& x = project.createAhs(d.reporter, "X");
  const Zone* ret = project.zones.find(x.returnZone);
  const Zone* sup = project.zones.find(x.supplyZone);
  ASSERT_TRUE(ret && sup);
  EXPECT_EQ(ret->name, "X(Rec)");
  EXPECT_EQ(sup->name, "X(Sup)");
  for (const Zone* z : {ret, sup}) {
    EXPECT_EQ(z->flags, ZoneFlag::VariableContaminants | ZoneFlag::AhsImplicit);
    EXPECT_FLOAT_EQ(z->T0, 290.0f);
    EXPECT_EQ(z->level, project.currentLevel);
  }
  struct Expected {
    Ref<AirflowPath> path;
    std::uint16_t flag;
    Ref<Zone> from, to;
  };
  const Expected paths[] = {
      {x.recirculationPath, PathFlag::AhsRecirculation, x.returnZone, x.supplyZone},
      {x.outdoorAirPath, PathFlag::AhsOutdoorAir, Ref<Zone>::ambient(), x.supplyZone},
      {x.exhaustPath, PathFlag::AhsExhaust, x.returnZone, Ref<Zone>::ambient()}};
  for (const Expected& e : paths) {
    const AirflowPath* path = project.paths.find(e.path);
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->flags, e.flag);
    EXPECT_EQ(path->from, e.from);
    EXPECT_EQ(path->to, e.to);
    EXPECT_FLOAT_EQ(path->mult, 1.0f);
    EXPECT_EQ(path->units[3], 3);
  }
  EXPECT_EQ(x.number, 1);
  EXPECT_EQ(project.ahsByNumber(1), &x);
  EXPECT_EQ(project.ahsCapacity(), 64);
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

TEST_F(SimpleAhsTest, UnnamedSystemHasWorkingZoneNamesUntilNamed) {
  SimpleAhs& system = project.createAhs(d.reporter, "");
  EXPECT_EQ(project.zones.find(system.returnZone)->name, "ahsR");
  EXPECT_EQ(project.zones.find(system.supplyZone)->name, "ahsS");
  project.createAhs(d.reporter, "M");
  SimpleAhs& named = project.nameAhs(d.reporter, system, "Z");
  EXPECT_EQ(project.zones.find(named.returnZone)->name, "Z(Rec)");
  EXPECT_EQ(project.zones.find(named.supplyZone)->name, "Z(Sup)");
  EXPECT_EQ(named.number, 2);
  EXPECT_EQ(project.ahs[0].name, "M");
  EXPECT_EQ(project.ahs[0].number, 1);
}

TEST_F(SimpleAhsTest, SystemsAreNumberedInNameOrder) {
  project.createAhs(d.reporter, "b");
  project.createAhs(d.reporter, "a");
  EXPECT_EQ(project.ahsByNumber(1)->name, "a");
  EXPECT_EQ(project.ahsByNumber(2)->name, "b");
}

TEST_F(SimpleAhsTest, DeletingFreesZonesPathsPointsAndTheirIconsOnEveryLevel) {
  SimpleAhs& keep = project.createAhs(d.reporter, "keep");
  SimpleAhs& gone = project.createAhs(d.reporter, "gone");
  int keptPoint = addPoint(keep, 128, 2);
  int supply = addPoint(gone, 128, 3);
  project.addLevel(project.current());
  int ret = addPoint(gone, 129, 5);
  project.current()->items.push_back({6, 6, 25, ret});  // another icon with that number stays

  SimpleAhs removed = gone;
  project.deleteAhs(d.reporter, gone);
  EXPECT_EQ(project.zones.find(removed.returnZone), nullptr);
  EXPECT_EQ(project.zones.find(removed.supplyZone), nullptr);
  for (Ref<AirflowPath> r :
       {removed.recirculationPath, removed.outdoorAirPath, removed.exhaustPath})
    EXPECT_EQ(project.paths.find(r), nullptr);
  EXPECT_EQ(project.paths.at(supply), nullptr);
  EXPECT_EQ(project.paths.at(ret), nullptr);
  EXPECT_NE(project.paths.at(keptPoint), nullptr);
  EXPECT_NE(project.zones.find(keep.supplyZone), nullptr);

  EXPECT_THAT(project.levels[0].items, ::testing::ElementsAre(LevelItem{2, 4, 128, keptPoint}));
  EXPECT_THAT(project.levels[1].items, ::testing::ElementsAre(LevelItem{6, 6, 25, ret}));
  ASSERT_EQ(project.ahs.size(), 1u);
  EXPECT_EQ(project.ahsByNumber(1), &keep);
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

TEST_F(SimpleAhsTest, ANumberingCountOffTheExpectedIsAnError) {
  project.createAhs(d.reporter, "a");
  EXPECT_EQ(project.renumberAhs(d.reporter, 2), 1);
  EXPECT_THAT(d.messages(), ::testing::ElementsAre("AHS numbering"));
  EXPECT_EQ(d.reporter.errorCount(), 1);
}

}  // namespace
}  // namespace mz
