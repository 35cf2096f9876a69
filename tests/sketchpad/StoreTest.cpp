#include <gtest/gtest.h>

#include <random>

#include "SketchFixture.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/Walldraw.h"

namespace mz {
namespace {

using test::lines;
using test::SketchFixture;

LevelItem item(int row, int column, int code, int number) {
  return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column),
          static_cast<std::uint8_t>(code), number};
}

TEST(SketchStore, StoringGivesBackTheItemsInStoredOrder) {
  SketchFixture f;
  f.load(lines({
      "grid 10 16",
      "................",
      ".+-----+-----+..",
      ".|.Z3..|.S4..|..",
      ".|.....F12...|..",
      ".+--D5-+-----+..",
      "..........N-7...",
      "@ 6 3 158 2",
      "@ 6 4 145 9",
      "@ 6 6 155 9",
      "@ 6 8 162 3",
      "@ 7 3 185 4",
  }));
  const std::vector<LevelItem> loaded = f.items;
  EXPECT_EQ(storeLevel(f.pad), loaded);
  EXPECT_TRUE(f.diag.messages().empty());
}

TEST(SketchStore, ImpliedWallRunsAreRestoredAndNotStored) {
  SketchFixture f;
  ASSERT_TRUE(f.pad.allocateLayers(12, 14));
  // Two corners that open downward with no node below: their runs end at the grid's edge.
  std::vector<LevelItem> items{item(2, 2, 14, 0), item(2, 10, 15, 0)};
  loadLevel(f.pad, items, SketchCopy::Current);
  for (int c = 3; c <= 9; ++c) EXPECT_EQ(f.pad.current().walls.at(2, c), 11) << c;
  EXPECT_EQ(f.pad.current().walls.at(5, 2), 12);
  EXPECT_EQ(f.pad.current().zones.at(11, 10), zonemap::kWall);
  EXPECT_EQ(storeLevel(f.pad), items);
  EXPECT_EQ(f.diag.ui.eventsOf(UiEvent::Kind::Message).size(), 2u);  // one per run at the edge
}

TEST(SketchStore, BorderRowsAndTheAmbientMarkerAreNeverStored) {
  SketchFixture f;
  ASSERT_TRUE(f.pad.allocateLayers(6, 8));
  f.pad.current().sketch.at(5, 3) = icon::kZone;
  f.pad.current().paths.at(5, 3) = 4;
  f.pad.current().sketch.at(2, 0) = icon::kAnnotation;
  f.pad.current().paths.at(2, 0) = 1;
  EXPECT_EQ(storeLevel(f.pad), (std::vector<LevelItem>{item(2, 0, 42, 1)}));
}

TEST(SketchStore, FirstDuctCellBesideAJunctionCarriesTheSegmentNumber) {
  SketchFixture f;
  ASSERT_TRUE(f.pad.allocateLayers(8, 14));
  std::vector<LevelItem> items{item(3, 3, 158, 1), item(3, 4, 145, 0), item(3, 6, 155, 12),
                               item(3, 10, 162, 2)};
  loadLevel(f.pad, items, SketchCopy::Current);
  const LevelLayers& l = f.pad.current();
  EXPECT_EQ(l.ducts.at(3, 4), 143);
  for (int c = 4; c <= 9; ++c) EXPECT_EQ(l.paths.at(3, c), 12) << c;
  EXPECT_EQ(l.paths.at(3, 10), 2);
  const std::vector<LevelItem> stored = storeLevel(f.pad);
  EXPECT_EQ(stored, (std::vector<LevelItem>{item(3, 3, 158, 1), item(3, 4, 145, 12),
                                            item(3, 6, 155, 12), item(3, 10, 162, 2)}));
}

TEST(SketchStore, PhantomTakesTheZoneNumberOfTheLevelBelow) {
  SketchFixture f;
  const std::string below = lines({
      "..........",
      ".+-----+..",
      ".|.Z7..|..",
      ".+-----+..",
      "..........",
  });
  const std::string current = lines({
      "..........",
      ".+-----+..",
      ".|.P99.|..",
      ".+-----+P5",
      "..........",
  });
  f.load(current, below);
  EXPECT_EQ(f.items[2].number, 7);   // the phantom in the box
  EXPECT_EQ(f.items[5].number, -2);  // over ambient
  EXPECT_EQ(f.pad.current().zones.at(2, 5), 7);
}

TEST(SketchStore, ItemsOutsideTheStoredRowsAreRefused) {
  SketchFixture f;
  ASSERT_TRUE(f.pad.allocateLayers(10, 10));
  std::vector<LevelItem> items{item(50, 3, 5, 1), item(3, -1, 5, 1), item(0, 0, 5, 2),
                               item(9, 2, 5, 2), item(3, 3, 5, 1)};
  EXPECT_FALSE(loadLevel(f.pad, items, SketchCopy::Current));
  EXPECT_EQ(f.diag.reporter.errorCount(), 4);
  EXPECT_EQ(f.diag.messages()[0], "Level item 5 outside the SketchPad at row 50, col 3");
  EXPECT_EQ(f.pad.current().sketch.at(0, 0), icon::kAmbient);
  EXPECT_EQ(f.pad.current().zones.at(3, 3), 1);
}

TEST(SketchStore, GridSizeIsLimitedAndLayersAreAllocatedOnce) {
  test::Diagnostics diag;
  SketchPad pad(diag.reporter);
  EXPECT_FALSE(pad.allocateLayers(40000, 66));
  EXPECT_FALSE(pad.allocateLayers(58, 4));
  EXPECT_TRUE(pad.allocateLayers(58, 66));
  EXPECT_FALSE(pad.allocateLayers(58, 66));
  EXPECT_EQ(diag.messages().back(), "Clear SketchPad arrays");
  EXPECT_EQ(diag.reporter.errorCount(), 3);
  pad.releaseLayers();
  EXPECT_TRUE(pad.allocateLayers(60, 70));
  EXPECT_EQ(pad.current().sketch.at(0, 0), icon::kAmbient);
  EXPECT_EQ(pad.current().sketch.at(0, 1), 'A');
}

}  // namespace
}  // namespace mz

namespace mz {
namespace {

// Item lists as a damaged or hand-edited file may hold them: any code anywhere in the grid.
// Loading, identifying, storing and deleting walls stay inside the layers, and a stored list
// loads back to itself.
TEST(SketchStore, ArbitraryItemListsLoadStoreAndReloadStably) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    test::Diagnostics diag;
    SketchPad pad(diag.reporter);
    ASSERT_TRUE(pad.allocateLayers(12, 16));
    std::vector<LevelItem> items;
    const int n = static_cast<int>(random() % 40);
    for (int i = 0; i < n; ++i)
      items.push_back(
          {static_cast<std::int16_t>(1 + random() % 10), static_cast<std::int16_t>(random() % 16),
           static_cast<std::uint8_t>(random() % 190), static_cast<std::int32_t>(random() % 7) - 2});
    loadLevel(pad, items, SketchCopy::Current);
    std::vector<LevelItem> stored = storeLevel(pad);
    loadLevel(pad, stored, SketchCopy::Current);
    std::vector<LevelItem> again = storeLevel(pad);
    loadLevel(pad, again, SketchCopy::Current);
    EXPECT_EQ(storeLevel(pad), again) << round;
    test::FakeHost host;
    for (int r = 1; r <= pad.rows() - 2; ++r)
      for (int c = 1; c <= pad.columns() - 2; ++c) {
        pad.setCursor(r, c);
        if (pad.current().walls.at(r, c) != 0) deleteWallAtCursor(pad, host, false);
      }
  }
}

}  // namespace
}  // namespace mz
