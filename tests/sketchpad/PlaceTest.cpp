#include <gtest/gtest.h>

#include "SketchFixture.h"
#include "sketchpad/SketchPlace.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {
namespace {

using test::lines;
using test::SketchFixture;

// Level below: zone 2 on the left, zone 7 on the right, a wall between them.
const std::string kBelow =
    lines({"..............", ".+-----+-----+.", ".|.Z2..|.Z7..|.", ".|.....|.....|.",
           ".+-----+-----+.", "..............", ".............."});
// This level: zone 5 on the left, an icon-less room on the right.
const std::string kLevel =
    lines({"..............", ".+-----+-----+.", ".|.Z5..|.....|.", ".|.....|.....|.",
           ".+-----+-----+.", "..............", ".............."});

struct PlaceCase {
  const char* name;
  IconCommand command;
  CellPos at;
  bool withBelow;
  bool placed;
  int beeps;
  const char* notice;      // "" for none
  std::uint8_t code;       // the icon at the cell afterwards
  std::int32_t number;     // its number
  std::int32_t areaValue;  // the zone map at the cell afterwards
};

class Placement : public testing::TestWithParam<PlaceCase> {};

TEST_P(Placement, FollowsTheRules) {
  const PlaceCase& p = GetParam();
  SketchFixture f;
  f.load(kLevel, p.withBelow ? kBelow : "");
  f.pad.setCursor(p.at.row, p.at.column);
  EXPECT_EQ(placeIcon(f.pad, f.host, p.command), p.placed);
  EXPECT_EQ(f.diag.ui.beeps(), p.beeps);
  const std::vector<std::string> notices = f.diag.messages();
  if (*p.notice) {
    EXPECT_EQ(notices, (std::vector<std::string>{p.notice}));
  } else {
    EXPECT_TRUE(notices.empty());
  }
  EXPECT_EQ(f.pad.current().sketch.at(p.at.row, p.at.column), p.code);
  EXPECT_EQ(f.pad.current().paths.at(p.at.row, p.at.column), p.number);
  EXPECT_EQ(f.pad.current().zones.at(p.at.row, p.at.column), p.areaValue);
  EXPECT_EQ(f.host.modified, p.placed ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Icons, Placement,
    testing::Values(
        PlaceCase{"ZoneInEmptyRoom", IconCommand::Zone, {3, 10}, false, true, 0, "", 5, -2, -2},
        PlaceCase{"ZoneInAmbient", IconCommand::Zone, {5, 3}, false, false, 1, "", 0, 0, -1},
        PlaceCase{"ZoneInDefinedRoom", IconCommand::Zone, {3, 4}, false, false, 1, "", 0, 0, 5},
        PlaceCase{"ZoneOnWall", IconCommand::Zone, {1, 3}, false, false, 1, "", 0, 0, -3},
        PlaceCase{"AmbientInAmbient", IconCommand::Ambient, {5, 3}, false, true, 0, "", 7, -1, -1},
        PlaceCase{
            "AmbientInEmptyRoom", IconCommand::Ambient, {3, 10}, false, true, 0, "", 7, -1, -1},
        PlaceCase{"PhantomOverZone7", IconCommand::Phantom, {3, 10}, true, true, 0, "", 6, 7, 7},
        PlaceCase{"PhantomWithoutLevelBelow",
                  IconCommand::Phantom,
                  {3, 10},
                  false,
                  false,
                  1,
                  "",
                  0,
                  0,
                  0},
        PlaceCase{"PathOnWallBetweenZoneAndAmbient",
                  IconCommand::FlowPath,
                  {4, 4},
                  false,
                  true,
                  0,
                  "",
                  23,
                  0,
                  -3},
        PlaceCase{"PathOnWallNode", IconCommand::FlowPath, {1, 7}, false, false, 1, "", 0, 0, -3},
        PlaceCase{"FloorPathOnLowestLevel",
                  IconCommand::FlowPath,
                  {3, 4},
                  false,
                  false,
                  0,
                  "Path is not above a sublevel",
                  0,
                  0,
                  5},
        PlaceCase{"FloorPathAmbientOverAmbient",
                  IconCommand::FlowPath,
                  {5, 8},
                  true,
                  false,
                  0,
                  "Same zone on both sides of \"floor\"",
                  0,
                  0,
                  -1},
        PlaceCase{
            "FloorPathZoneOverZone", IconCommand::FlowPath, {3, 4}, true, true, 0, "", 23, 0, 5},
        PlaceCase{"SupplyInAmbient", IconCommand::Supply, {5, 3}, false, false, 1, "", 0, 0, -1},
        PlaceCase{"ReturnInZone", IconCommand::Return, {3, 4}, false, true, 0, "", 129, 0, 5},
        PlaceCase{"AhsAnywhere", IconCommand::Ahs, {5, 3}, false, true, 0, "", 130, 0, -1},
        PlaceCase{"AnnotationFromItsDialog",
                  IconCommand::Annotation,
                  {5, 3},
                  false,
                  true,
                  0,
                  "",
                  42,
                  1,
                  -1}),
    [](const testing::TestParamInfo<PlaceCase>& c) { return std::string(c.param.name); });

TEST(PlacementRefusals, NeedSpeciesZonesAndNormalMode) {
  SketchFixture f;
  f.load(kLevel);
  f.pad.setCursor(3, 4);
  f.host.species = 0;
  EXPECT_FALSE(placeIcon(f.pad, f.host, IconCommand::SourceSink));
  EXPECT_FALSE(placeIcon(f.pad, f.host, IconCommand::Exposure));
  f.host.species = 1;
  f.host.zones = 0;
  EXPECT_FALSE(placeIcon(f.pad, f.host, IconCommand::Exposure));
  EXPECT_EQ(f.diag.messages(),
            (std::vector<std::string>{
                "You must first define at least one Species prior to creating a source/sink.",
                "You must first define at least one Species prior to creating an exposure "
                "element.",
                "You must first define at least one Zone prior to creating an exposure "
                "element."}));
  EXPECT_EQ(f.diag.ui.events()[0].caption, "WARNING");
  f.host.results = true;
  EXPECT_FALSE(placeIcon(f.pad, f.host, IconCommand::Ahs));
  EXPECT_EQ(f.diag.ui.beeps(), 1);
  f.host.annotation.reset();
  EXPECT_FALSE(placeIcon(f.pad, f.host, IconCommand::Annotation));
  EXPECT_EQ(f.pad.current().sketch.at(3, 4), 0);
  EXPECT_EQ(f.host.modified, 0);
}

TEST(PathPosition, WallsAndFloorsWithTheSameZoneOnBothSidesAreRefused) {
  const std::string courtyard =
      lines({"..........", ".+-----+..", ".|..A-1|..", ".+-----+..", ".........."});
  {
    SketchFixture f;
    f.load(courtyard);
    f.pad.setCursor(1, 3);
    EXPECT_FALSE(placeIcon(f.pad, f.host, IconCommand::FlowPath));
    f.pad.setCursor(2, 7);
    EXPECT_FALSE(placeIcon(f.pad, f.host, IconCommand::FlowPath));
    EXPECT_EQ(f.diag.messages(), (std::vector<std::string>{"Same zone on both sides of wall",
                                                           "Same zone on both sides of wall"}));
  }
  {
    SketchFixture f;
    f.load("grid 5 10\n", courtyard);
    f.pad.setCursor(1, 3);
    EXPECT_FALSE(placeIcon(f.pad, f.host, IconCommand::FlowPath));
    EXPECT_EQ(f.diag.messages(), (std::vector<std::string>{"Path is above a sublevel wall"}));
  }
}

TEST(PathSides, DirectionAndZonesFollowTheCell) {
  SketchFixture f;
  f.load(lines({"..............", ".+-----+-----+.", ".|.Z5..|.Z3..|.", ".|.....|.....|.",
                ".+-----+-----+.", ".............."}),
         kBelow);
  struct Case {
    CellPos at;
    PathPlacement expected;
  };
  const Case cases[] = {
      {{4, 10}, {kDirUp, -1, 3}},       // horizontal wall, ambient below
      {{1, 10}, {kDirDown, -1, 3}},     // horizontal wall, ambient above
      {{2, 7}, {kDirRight, 5, 3}},      // vertical wall between zones
      {{3, 13}, {kDirLeft, -1, 3}},     // vertical wall, ambient on the right
      {{3, 1}, {kDirRight, -1, 5}},     // vertical wall, ambient on the left
      {{3, 4}, {kDirFromBelow, 2, 5}},  // floor: zone 2 below, zone 5 here
      {{5, 4}, {kDirToBelow, -1, -1}},  // floor, ambient here
  };
  for (const Case& c : cases) {
    const PathPlacement p = pathPlacementAt(f.pad, c.at.row, c.at.column);
    EXPECT_EQ(p.dir, c.expected.dir) << c.at.row << "," << c.at.column;
    EXPECT_EQ(p.from, c.expected.from) << c.at.row << "," << c.at.column;
    EXPECT_EQ(p.to, c.expected.to) << c.at.row << "," << c.at.column;
  }
}

TEST(ZoneIcons, OpeningAnEmptyRoomDefinesANewZone) {
  SketchFixture f;
  f.load(kLevel);
  f.host.newZone = 9;
  f.pad.setCursor(3, 10);
  EXPECT_TRUE(openZoneAtCursor(f.pad, f.host));
  EXPECT_EQ(f.pad.current().sketch.at(3, 10), icon::kZone);
  EXPECT_EQ(f.pad.current().paths.at(3, 10), 9);
  EXPECT_EQ(f.pad.current().zones.at(2, 8), 9);
  f.pad.setCursor(2, 2);
  EXPECT_TRUE(openZoneAtCursor(f.pad, f.host));
  EXPECT_EQ(f.host.openedZones, (std::vector<int>{5}));
  f.pad.setCursor(0, 0);
  EXPECT_FALSE(openZoneAtCursor(f.pad, f.host));  // the ambient area
}

TEST(ZoneIcons, DeletionIsRefusedWhileOccupancySchedulesNameTheZone) {
  SketchFixture f;
  f.load(kLevel);
  f.host.referencedZone = 5;
  f.host.references = 2;
  f.pad.setCursor(2, 3);
  EXPECT_FALSE(deleteZoneIcon(f.pad, f.host, true));
  EXPECT_EQ(f.diag.messages(),
            (std::vector<std::string>{"This zone is referenced by 2 occupancy schedules.\n You "
                                      "must remove all references to this zone before it can be "
                                      "deleted."}));
  EXPECT_EQ(f.pad.current().sketch.at(2, 3), icon::kZone);
}

TEST(ZoneIcons, DeletionClearsThePhantomsAboveUpToTheFirstLevelWithout) {
  SketchFixture f;
  f.load(kLevel);
  const LevelItem phantom5{2, 3, icon::kPhantom, 5};
  const LevelItem phantom8{2, 9, icon::kPhantom, 8};
  f.host.above = {{phantom5, phantom8}, {phantom5}, {phantom8}, {phantom5}};
  f.pad.setCursor(2, 3);
  f.diag.ui.answer(Answer::Yes);
  EXPECT_TRUE(deleteZoneIcon(f.pad, f.host, true));
  EXPECT_EQ(f.diag.ui.eventsOf(UiEvent::Kind::YesNo)[0].text,
            "Delete this zone icon and clear\nthe 2 phantom zone(s) above it?");
  EXPECT_EQ(f.host.deletedZones, (std::vector<int>{5}));
  EXPECT_EQ(f.host.above[0][0].number, 0);
  EXPECT_EQ(f.host.above[0][1].number, 8);
  EXPECT_EQ(f.host.above[1][0].number, 0);
  EXPECT_EQ(f.host.above[3][0].number, 5);
  EXPECT_EQ(f.pad.current().sketch.at(2, 3), 0);
  EXPECT_EQ(f.pad.current().zones.at(3, 4), 0);
}

}  // namespace
}  // namespace mz
