#include <gtest/gtest.h>

#include "SketchFixture.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/SketchZones.h"
#include "sketchpad/Walldraw.h"

namespace mz {
namespace {

using test::lines;
using test::SketchFixture;

struct WallFixture : SketchFixture {
  WallDrawing drawing{pad, host};
  std::uint8_t wall(int r, int c) const { return pad.current().walls.at(r, c); }
  void steps(std::initializer_list<std::pair<int, int>> moves) {
    for (const auto& [direction, count] : moves) drawing.step(direction, count);
  }
  int allWalls() const {
    int n = 0;
    for (int r = 0; r < pad.rows(); ++r)
      for (int c = 0; c < pad.columns(); ++c) n += pad.current().walls.at(r, c) != 0;
    return n;
  }
};

TEST(WallDrawing, BoxGetsCornersAndRunsAndEnclosesOneArea) {
  WallFixture f;
  f.load("grid 14 16\n");
  f.drawing.setMode(WallMode::Boxes);
  f.pad.setCursor(2, 2);  // snaps to (3, 3)
  f.drawing.start();
  EXPECT_EQ(f.pad.cursor(), (CellPos{3, 3}));
  f.steps({{dir::kDown, 3}, {dir::kRight, 4}});
  EXPECT_TRUE(f.drawing.commit());
  EXPECT_EQ(f.wall(3, 3), 14);
  EXPECT_EQ(f.wall(3, 11), 15);
  EXPECT_EQ(f.wall(9, 11), 16);
  EXPECT_EQ(f.wall(9, 3), 17);
  EXPECT_EQ(f.wall(3, 7), 11);
  EXPECT_EQ(f.wall(6, 3), 12);
  EXPECT_FALSE(f.pad.anyMarked());
  EXPECT_GT(f.host.modified, 0);
  for (int r = 4; r <= 8; ++r)
    for (int c = 4; c <= 10; ++c) EXPECT_EQ(f.pad.current().zones.at(r, c), 0);
  EXPECT_EQ(f.pad.current().zones.at(12, 14), zonemap::kAmbient);
  EXPECT_EQ(storeLevel(f.pad).size(), 4u);
}

TEST(WallDrawing, OpenPolylineIsRefusedAndStaysInProgress) {
  WallFixture f;
  f.load("grid 14 16\n");
  f.pad.setCursor(3, 3);
  f.drawing.start();
  f.steps({{dir::kRight, 4}});
  EXPECT_FALSE(f.drawing.commit());
  EXPECT_EQ(f.diag.messages(), (std::vector<std::string>{"Invalid wall position(s)"}));
  EXPECT_EQ(f.allWalls(), 0);
  EXPECT_TRUE(f.drawing.drawing());
  EXPECT_EQ(f.pad.colours().at(3, 3), f.pad.drawingColours().error);
  EXPECT_EQ(f.pad.colours().at(3, 11), f.pad.drawingColours().error);
  // The error colour is not a mark: the ends stay marked and the middle keeps its colour.
  EXPECT_TRUE(f.pad.marked(3, 3));
  EXPECT_EQ(f.pad.colours().at(3, 7), f.pad.drawingColours().drawLine);
  EXPECT_FALSE(f.drawing.escape());  // cancels, the mode stays
  EXPECT_FALSE(f.pad.anyMarked());
  EXPECT_EQ(f.pad.colours().at(3, 3), f.pad.drawingColours().background);
  EXPECT_TRUE(f.drawing.escape());  // no drawing: leave the mode
}

TEST(WallDrawing, StepBackRetracesThePath) {
  WallFixture f;
  f.load("grid 14 16\n");
  f.pad.setCursor(3, 3);
  f.drawing.start();
  f.steps({{dir::kRight, 2}, {dir::kLeft, 1}});
  EXPECT_TRUE(f.pad.marked(3, 5));
  EXPECT_FALSE(f.pad.marked(3, 6));
  EXPECT_FALSE(f.pad.marked(3, 7));
  EXPECT_FALSE(f.drawing.step(dir::kUp, 2));  // would leave the editable area
  EXPECT_EQ(f.pad.cursor(), (CellPos{3, 5}));
}

TEST(WallDrawing, PointerMovesTheCursorRowsFirstOnTheLattice) {
  WallFixture f;
  f.load("grid 14 16\n");
  f.pad.setCursor(3, 3);
  f.drawing.start();
  f.drawing.moveToward({10, 8});
  EXPECT_EQ(f.pad.cursor(), (CellPos{9, 7}));
  EXPECT_TRUE(f.pad.marked(9, 3));  // the corner: down first, then right
  EXPECT_FALSE(f.pad.marked(3, 7));
  int marks = 0;
  for (int r = 0; r < f.pad.rows(); ++r)
    for (int c = 0; c < f.pad.columns(); ++c) marks += f.pad.marked(r, c);
  EXPECT_EQ(marks, 11);
}

TEST(WallDrawing, NewWallMeetingAWallMakesTeesAndSplitsTheRoom) {
  WallFixture f;
  f.load(lines({"grid 14 16", "", "", "", "...+-------+", "...|.......|", "...|.Z4....|",
                "...|.......|", "...|.......|", "...|.......|", "...+-------+"}));
  f.pad.setCursor(3, 7);
  f.drawing.start();
  f.steps({{dir::kDown, 3}});
  EXPECT_TRUE(f.drawing.commit());
  EXPECT_EQ(f.wall(3, 7), 19);
  EXPECT_EQ(f.wall(9, 7), 21);
  EXPECT_EQ(f.pad.current().zones.at(5, 5), 4);
  EXPECT_EQ(f.pad.current().zones.at(5, 9), 0);
}

TEST(WallDrawing, SelfCrossingWallGetsACross) {
  WallFixture f;
  f.load(lines({"grid 14 16", "", "", "", "...+-------+", "...|.......|", "...|.......|",
                "...|.......|", "...|.......|", "...|.......|", "...+-------+"}));
  f.pad.setCursor(3, 5);
  f.drawing.start();
  f.steps({{dir::kDown, 2}, {dir::kRight, 2}, {dir::kUp, 1}, {dir::kLeft, 3}});
  EXPECT_TRUE(f.drawing.commit());
  EXPECT_EQ(f.wall(5, 5), icon::kWallCross);
  EXPECT_EQ(f.wall(3, 5), 19);
  EXPECT_EQ(f.wall(5, 3), 18);
  EXPECT_EQ(f.wall(7, 5), 17);
  EXPECT_EQ(f.wall(7, 9), 16);
  EXPECT_EQ(f.wall(5, 9), 15);
  EXPECT_TRUE(f.diag.messages().empty());
}

TEST(WallDrawing, PathOnAWallSurvivesOnlyAStraightRun) {
  const std::string room =
      lines({"grid 14 16", "", "", "", "...+---F5--+", "...|.......|", "...|.......|",
             "...|.......|", "...|.......|", "...|.......|", "...+-------+"});
  {
    WallFixture f;
    f.load(room);
    f.pad.setCursor(3, 5);
    f.drawing.start();
    f.steps({{dir::kRight, 2}});
    EXPECT_TRUE(f.drawing.commit());
    EXPECT_EQ(f.pad.current().sketch.at(3, 7), icon::kPath);
    EXPECT_EQ(f.wall(3, 7), 11);
  }
  {
    WallFixture f;
    f.load(room);
    f.pad.setCursor(3, 7);
    f.drawing.start();
    f.steps({{dir::kDown, 3}});
    EXPECT_FALSE(f.drawing.commit());
    EXPECT_EQ(f.drawing.errorLocation(), (CellPos{3, 7}));
    EXPECT_EQ(f.wall(9, 7), 11);
  }
}

const std::string kTwoRooms = lines(
    {"..............", ".+-----+-----+.", ".|.....|.....|.", ".+-----+-----+.", ".............."});

TEST(WallDeletion, WholeFreeStandingBoxGoesWithOneYes) {
  WallFixture f;
  f.load(
      lines({"..........", ".+-----+..", ".|.Z3..|..", ".|.....|..", ".+-----+..", ".........."}));
  f.pad.setCursor(4, 4);
  f.diag.ui.answer(Answer::Yes);
  EXPECT_TRUE(deleteWallAtCursor(f.pad, f.host, true));
  EXPECT_EQ(f.diag.ui.eventsOf(UiEvent::Kind::YesNo).size(), 1u);
  EXPECT_EQ(f.allWalls(), 0);
  // The zone icon now stands in the ambient area.
  EXPECT_EQ(f.diag.messages(), (std::vector<std::string>{"Zone definition error(s)"}));
}

TEST(WallDeletion, WallBetweenTwoTeesLeavesRunsBehind) {
  WallFixture f;
  f.load(kTwoRooms);
  f.pad.setCursor(2, 7);
  f.diag.ui.answer(Answer::Yes);
  EXPECT_TRUE(deleteWallAtCursor(f.pad, f.host, true));
  EXPECT_EQ(f.wall(1, 7), 11);
  EXPECT_EQ(f.wall(3, 7), 11);
  EXPECT_EQ(f.wall(2, 7), 0);
  EXPECT_EQ(f.pad.current().zones.at(2, 7), 0);
}

TEST(WallDeletion, EachBranchOfATeeIsOfferedAndNoChangesNothing) {
  WallFixture f;
  f.load(kTwoRooms);
  const std::vector<LevelItem> before = storeLevel(f.pad);
  f.pad.setCursor(1, 7);
  for (int i = 0; i < 3; ++i) f.diag.ui.answer(Answer::No);
  EXPECT_FALSE(deleteWallAtCursor(f.pad, f.host, true));
  EXPECT_EQ(f.diag.ui.eventsOf(UiEvent::Kind::YesNo).size(), 3u);
  EXPECT_EQ(storeLevel(f.pad), before);
  EXPECT_FALSE(f.pad.anyMarked());
  EXPECT_EQ(f.host.modified, 0);
}

const std::string kLollipop = lines({"................", ".+---+..........", ".|...|..........",
                                     ".|...+---+---+..", ".|...|...|...|..", ".+---+...|...|..",
                                     ".........|...|..", ".........+---+..", "................"});

TEST(WallDeletion, DeadEndIsRefused) {
  WallFixture f;
  f.load(kLollipop);
  f.pad.setCursor(5, 13);
  EXPECT_FALSE(deleteWallAtCursor(f.pad, f.host, true));
  EXPECT_EQ(f.diag.messages(),
            (std::vector<std::string>{"Deletion would produce invalid wall configuration"}));
  EXPECT_TRUE(f.diag.ui.eventsOf(UiEvent::Kind::YesNo).empty());
  EXPECT_EQ(f.pad.colours().at(3, 9), f.pad.drawingColours().error);
  EXPECT_EQ(f.wall(5, 13), 12);
}

TEST(WallDeletion, StemBetweenTeesRepairsBothEndsAndDeletesItsPath) {
  WallFixture f;
  f.load(kLollipop + "@ 3 7 23 6\n");
  f.pad.setCursor(3, 6);
  EXPECT_TRUE(deleteWallAtCursor(f.pad, f.host, false));
  EXPECT_EQ(f.wall(3, 5), 12);
  EXPECT_EQ(f.wall(3, 9), 14);
  EXPECT_EQ(f.pad.current().sketch.at(3, 7), 0);
  EXPECT_EQ(f.host.deletedPaths, (std::vector<int>{6}));
}

// A run that reaches the edge of the grid without meeting a node comes only from a damaged
// file; its trace stops at the edge.
TEST(WallDeletion, DamagedRunEndsAtTheEdgeOfTheGrid) {
  WallFixture f;
  f.load("grid 8 12\n@ 3 3 14 0\n@ 6 3 17 0\n");
  EXPECT_EQ(f.wall(3, 11), 11);
  f.pad.setCursor(3, 8);
  EXPECT_TRUE(deleteWallAtCursor(f.pad, f.host, false));
  EXPECT_EQ(f.allWalls(), 0);  // one stretch from edge to edge through both corners
}

TEST(WallDeletion, MustStartAtAWall) {
  WallFixture f;
  f.load(kTwoRooms);
  f.pad.setCursor(2, 3);
  EXPECT_FALSE(deleteWallAtCursor(f.pad, f.host, true));
  EXPECT_EQ(f.diag.messages(), (std::vector<std::string>{"Delete must start at a wall symbol"}));
}

}  // namespace
}  // namespace mz
