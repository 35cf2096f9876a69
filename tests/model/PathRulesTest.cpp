#include <gtest/gtest.h>

#include "model/Jctns.h"
#include "model/Paths.h"
#include "model/Zones.h"

namespace mz {
namespace {

struct PlacementCase {
  const char* what;
  PathSurroundings around;
  PathPlacement expected;
};

class PlacePathTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacePathTest, DerivesDirectionAndZonesFromTheCells) {
  const PlacementCase& c = GetParam();
  PathPlacement got = placePath(c.around);
  EXPECT_EQ(got.dir, c.expected.dir) << c.what;
  EXPECT_EQ(got.from, c.expected.from) << c.what;
  EXPECT_EQ(got.to, c.expected.to) << c.what;
}

PathSurroundings horizontal(int above, int below) {
  return {.cell = PathCell::HorizontalWall, .above = above, .below = below};
}
PathSurroundings vertical(int left, int right) {
  return {.cell = PathCell::VerticalWall, .left = left, .right = right};
}
PathSurroundings floor(int here, int levelBelow) {
  return {.cell = PathCell::NoWall, .here = here, .levelBelow = levelBelow};
}

INSTANTIATE_TEST_SUITE_P(
    Cells, PlacePathTest,
    ::testing::Values(
        PlacementCase{"horizontal wall, zone below, ambient above", horizontal(-1, 3), {4, -1, 3}},
        PlacementCase{"horizontal wall between zones", horizontal(2, 3), {1, 3, 2}},
        PlacementCase{"horizontal wall, ambient below", horizontal(2, -1), {1, -1, 2}},
        PlacementCase{"vertical wall, ambient right", vertical(4, -1), {5, -1, 4}},
        PlacementCase{"vertical wall between zones", vertical(4, 6), {2, 4, 6}},
        PlacementCase{"vertical wall, ambient left", vertical(-1, 6), {2, -1, 6}},
        PlacementCase{"floor path over a zone below", floor(5, 2), {3, 2, 5}},
        PlacementCase{"floor path in ambient", floor(-1, 2), {6, -1, 2}},
        PlacementCase{"floor path over ambient below", floor(5, -1), {3, -1, 5}},
        PlacementCase{"undefined and wall sides give none", horizontal(-2, -3), {1, 0, 0}},
        PlacementCase{"unreached side gives none", vertical(0, 7), {2, 0, 7}}));

struct AzimuthCase {
  std::uint8_t dir;
  float expected;
};

class WallAzimuthTest : public ::testing::TestWithParam<AzimuthCase> {};

TEST_P(WallAzimuthTest, FollowsTheDirectionAndNorth) {
  EXPECT_FLOAT_EQ(wallAzimuth(GetParam().dir, 200.0f), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Directions, WallAzimuthTest,
                         ::testing::Values(AzimuthCase{1, -20.0f}, AzimuthCase{2, 70.0f},
                                           AzimuthCase{3, 0.0f}, AzimuthCase{4, -200.0f},
                                           AzimuthCase{5, -110.0f}, AzimuthCase{6, 0.0f}));

TEST(VariableWind, TakesTheWallAzimuthOnlyWhenUnset) {
  AirflowPath path;
  path.dir = kDirRight;
  path.wazm = -1.0f;
  applyVariableWind(path, 10.0f, 0.36f);
  EXPECT_FLOAT_EQ(path.wazm, 260.0f);
  EXPECT_FLOAT_EQ(path.wPmod, 0.36f);
  EXPECT_TRUE(path.flags & PathFlag::WindPressure);

  path.wazm = 45.0f;
  applyVariableWind(path, 10.0f, 0.36f);
  EXPECT_FLOAT_EQ(path.wazm, 45.0f);
}

TEST(PathIcon, FollowsTheElementAndForFansTheDirection) {
  AirflowElement door;
  door.type = kDoorType;
  door.icon = 27;
  AirflowElement fan;
  fan.type = kFanType;
  fan.icon = 25;
  EXPECT_EQ(pathIconCode(nullptr, 1), kPathIconNoElement);
  EXPECT_EQ(pathIconCode(&door, 2), 27);
  const std::pair<std::uint8_t, std::uint8_t> fanCodes[] = {{1, 30}, {2, 28}, {3, 30},
                                                            {4, 31}, {5, 29}, {6, 31}};
  for (auto [dir, code] : fanCodes) EXPECT_EQ(pathIconCode(&fan, dir), code) << int(dir);

  AirflowPath path;
  path.dir = kDirLeft;
  applyPathIcon(path, &fan);
  EXPECT_EQ(path.icn, 29);
  EXPECT_EQ(fan.icon, 29);
}

TEST(PathLimits, SettingOneKindClearsTheOther) {
  AirflowPath path;
  path.flags = PathFlag::WindPressure | PathFlag::PressureLimits;
  setPathLimits(path, PathFlag::FlowLimits);
  EXPECT_EQ(path.flags, PathFlag::WindPressure | PathFlag::FlowLimits);
  setPathLimits(path, 0);
  EXPECT_EQ(path.flags, PathFlag::WindPressure);
}

TEST(TerminalDirection, FollowsTheDuctCellOrTheLevelLink) {
  EXPECT_EQ(terminalDirection(kTerminalIcon, DuctSide::Above), 4);
  EXPECT_EQ(terminalDirection(kTerminalIcon, DuctSide::Below), 1);
  EXPECT_EQ(terminalDirection(kTerminalIcon, DuctSide::Right), 5);
  EXPECT_EQ(terminalDirection(kTerminalIcon, DuctSide::Left), 2);
  EXPECT_EQ(terminalDirection(kTerminalUpIcon, DuctSide::Left), 6);
  EXPECT_EQ(terminalDirection(kTerminalDownIcon, DuctSide::Left), 3);
  EXPECT_EQ(terminalDirection(158, DuctSide::Left), 0);

  TerminalData data;
  for (std::uint8_t dir = 1; dir <= 6; ++dir) {
    setTerminalDirection(data, dir);
    EXPECT_EQ(data.reverseDir, dir <= 3 ? dir + 3 : dir - 3);
  }
}

TEST(ZoneAxis, SwitchingBetweenNormalAndOneDimensionalChangesTheSign) {
  EXPECT_EQ(switchedAxis(0, true), 1);
  EXPECT_EQ(switchedAxis(-3, true), 3);
  EXPECT_EQ(switchedAxis(2, true), 2);
  EXPECT_EQ(switchedAxis(3, false), -3);
  EXPECT_EQ(switchedAxis(-3, false), -3);
  EXPECT_EQ(switchedAxis(0, false), 0);
}

}  // namespace
}  // namespace mz
