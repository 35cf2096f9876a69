#include <gtest/gtest.h>

#include "SketchFixture.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/SketchZones.h"

namespace mz {
namespace {

using test::lines;
using test::SketchFixture;

struct ZoneCase {
  const char* name;
  std::string drawing;
  std::string map;  // expected zone map
};

class ZoneMaps : public testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneMaps, IdentificationGivesTheMap) {
  SketchFixture f;
  f.load(GetParam().drawing);
  EXPECT_EQ(f.zoneMap(), GetParam().map);
  EXPECT_FALSE(identifyZonesFully(f.pad, SketchCopy::Current, true));
  EXPECT_EQ(f.zoneMap(), GetParam().map);
  EXPECT_TRUE(f.diag.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, ZoneMaps,
    testing::Values(
        ZoneCase{"EmptyLevel", lines({"grid 5 8"}),
                 lines({"........", "........", "........", "........", "........"})},
        ZoneCase{"BoxWithZone",
                 lines({"..........", ".+-----+..", ".|.Z3..|..", ".|.....|..", ".+-----+..",
                        ".........."}),
                 lines({"..........", ".#######..", ".#33333#..", ".#33333#..", ".#######..",
                        ".........."})},
        ZoneCase{"BoxWithoutIcon",
                 lines({"........", ".+---+..", ".|...|..", ".+---+..", "........"}),
                 lines({"........", ".#####..", ".#000#..", ".#####..", "........"})},
        ZoneCase{"TwoRoomsAndUndefined",
                 lines({"............", ".+---+---+..", ".|Z12|Z-2|..", ".|...|...|..",
                        ".+---+---+..", "............"}),
                 lines({"............", ".#########..", ".#ccc#???#..", ".#ccc#???#..",
                        ".#########..", "............"})},
        ZoneCase{"AmbientCourtyard",
                 lines({"..........", ".+-----+..", ".|..A-1|..", ".+-----+..", ".........."}),
                 lines({"..........", ".#######..", ".#.....#..", ".#######..", ".........."})}),
    [](const testing::TestParamInfo<ZoneCase>& c) { return std::string(c.param.name); });

int errorColoured(const SketchPad& pad) {
  int n = 0;
  for (int r = 0; r < pad.rows(); ++r)
    for (int c = 0; c < pad.columns(); ++c)
      n += pad.colours().at(r, c) == pad.drawingColours().error;
  return n;
}

TEST(ZoneConflicts, TwoIconsInOneAreaConflictOnce) {
  SketchFixture f;
  f.load(
      lines({"..........", ".+-----+..", ".|Z3...|..", ".|...Z4|..", ".+-----+..", ".........."}));
  EXPECT_TRUE(identifyZonesFully(f.pad, SketchCopy::Current, true));
  EXPECT_EQ(f.diag.messages(), (std::vector<std::string>{"Zone definition error(s)"}));
  EXPECT_EQ(f.pad.colours().at(2, 2), f.pad.drawingColours().error);
  EXPECT_EQ(f.pad.colours().at(3, 5), f.pad.drawingColours().error);
  EXPECT_EQ(errorColoured(f.pad), 2);
  EXPECT_EQ(f.pad.current().zones.at(2, 2), 3);
  EXPECT_EQ(f.pad.current().zones.at(3, 5), 4);
}

TEST(ZoneConflicts, AmbientLeaksThroughAGapAndMeetsTheInnerZone) {
  SketchFixture f;
  f.load(lines({"..........", ".+-----+..", ".|.....|..", ".|..Z3.|..", ".|.....|..", ".+-----+..",
                ".........."}));
  // A gap in the top wall, as a region deletion leaves one.
  f.pad.current().zones.at(1, 4) = 0;
  clearZoneAreas(f.pad);
  EXPECT_TRUE(identifyZones(f.pad, SketchCopy::Current, true));
  EXPECT_EQ(f.diag.messages(), (std::vector<std::string>{"Zone definition error(s)"}));
  EXPECT_EQ(f.pad.colours().at(0, 0), f.pad.drawingColours().error);
  EXPECT_EQ(f.pad.colours().at(3, 4), f.pad.drawingColours().error);
  EXPECT_EQ(f.pad.current().zones.at(1, 4), zonemap::kAmbient);
  EXPECT_EQ(f.pad.current().zones.at(6, 9), zonemap::kAmbient);
}

TEST(ZoneConflicts, ClearErrorColourResetsTheCursorsZone) {
  SketchFixture f;
  f.load(
      lines({"..........", ".+-----+..", ".|Z3...|..", ".|...Z4|..", ".+-----+..", ".........."}));
  identifyZonesFully(f.pad, SketchCopy::Current, false);
  f.pad.setCursor(2, 2);
  clearErrorColour(f.pad);
  EXPECT_EQ(f.pad.colours().at(2, 2), f.pad.drawingColours().background);
  EXPECT_EQ(f.pad.colours().at(3, 5), f.pad.drawingColours().error);
}

TEST(ZoneIdentification, IconWithoutNumberIsReportedAndLeftOut) {
  SketchFixture f;
  f.load(lines({"........", ".+---+..", ".|.Z.|..", ".+---+..", "........"}));
  identifyZonesFully(f.pad, SketchCopy::Current, true);
  EXPECT_EQ(f.diag.messages(),
            (std::vector<std::string>{"Unidentified zone [5 0] at row 2, col 3",
                                      "Unidentified zone [5 0] at row 2, col 3"}));
  EXPECT_EQ(f.pad.current().zones.at(2, 2), 0);
}

TEST(ZoneIdentification, FillAtAWallCellChangesNothing) {
  SketchFixture f;
  f.load(lines({"..........", ".+-----+..", ".|.Z3..|..", ".+-----+..", ".........."}));
  const std::string before = f.zoneMap();
  EXPECT_TRUE(fillZone(f.pad, SketchCopy::Current, 1, 4, -2));
  EXPECT_TRUE(fillZone(f.pad, SketchCopy::Current, 5, 1, -1));  // ambient into ambient
  EXPECT_EQ(f.zoneMap(), before);
}

TEST(ZoneIdentification, ClearZoneAreasKeepsWallsAndIcons) {
  SketchFixture f;
  f.load(lines({"..........", ".+-----+..", ".|.Z3..|..", ".+-----+..", ".........."}));
  clearZoneAreas(f.pad);
  EXPECT_EQ(f.zoneMap(),
            lines({".000000000", "0#######00", "0#03000#00", "0#######00", "0000000000"}));
  identifyZones(f.pad, SketchCopy::Current, true);
  EXPECT_EQ(f.pad.current().zones.at(2, 6), 3);
  EXPECT_EQ(f.pad.current().zones.at(4, 9), zonemap::kAmbient);
}

// A comb of walls splits the area into more channels than a fixed stack of spans could hold
// at once; the fill reaches every cell of it.
TEST(ZoneIdentification, FillsAnAreaOfAnySizeAndShape) {
  test::Diagnostics diag;
  SketchPad pad(diag.reporter);
  const int rows = 101;
  const int columns = 3001;
  ASSERT_TRUE(pad.allocateLayers(rows, columns));
  Layer<std::int32_t>& map = pad.current().zones;
  map.fill(0);
  for (int c = 2; c < columns; c += 3)
    for (int r = 0; r < rows - 1; ++r) map.at(r, c) = zonemap::kWall;
  EXPECT_TRUE(fillZone(pad, SketchCopy::Current, 0, 0, 9));
  int unfilled = 0;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) unfilled += map.at(r, c) == 0;
  EXPECT_EQ(unfilled, 0);
}

}  // namespace
}  // namespace mz
