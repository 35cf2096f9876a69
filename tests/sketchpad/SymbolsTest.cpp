#include <gtest/gtest.h>

#include "sketchpad/SketchLayers.h"
#include "sketchpad/SketchSymbols.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

TEST(SketchSymbols, PropertyWordsOfTheCodeFamilies) {
  EXPECT_EQ(symbolFlags(5), 0x0020);
  EXPECT_EQ(symbolFlags(14), 0x0016);
  EXPECT_EQ(symbolFlags(22), 0x001F);
  EXPECT_EQ(symbolFlags(26), 0);  // no path icon 26
  EXPECT_EQ(symbolFlags(42), 0x8000);
  EXPECT_EQ(symbolFlags(130), 0x0040);
  EXPECT_EQ(symbolFlags(155), 0x030A);
  EXPECT_EQ(symbolFlags(164), 0x0500);
  EXPECT_EQ(symbolFlags(184), 0x1002);
  EXPECT_EQ(symbolFlags(189), 0x1000);
  EXPECT_EQ(symbolFlags('A'), 0);  // the "Ambt" letters are inert
  EXPECT_EQ(symbolFlags(255), 0);
}

TEST(SketchSymbols, WallCodeFollowsNeighbourBits) {
  const std::pair<int, int> cases[] = {{3, 17},  {5, 12},  {6, 14},  {7, 18},  {9, 16},  {10, 11},
                                       {11, 21}, {12, 15}, {13, 20}, {14, 19}, {15, 22}, {0, 0},
                                       {1, 0},   {2, 0},   {4, 0},   {8, 0}};
  for (const auto& [bits, code] : cases) {
    EXPECT_EQ(wallCodeForBits(bits), code) << bits;
    if (code != 0) {
      EXPECT_EQ(directionBits(static_cast<std::uint8_t>(code)), bits);
    }
  }
}

TEST(SketchSymbols, NextDirectionFollowsRunsAndCornersAndEndsElsewhere) {
  test::Diagnostics diag;
  Layer<std::uint8_t> layer(3, 3, 0);
  struct Case {
    std::uint8_t code;
    int moved;
    int expected;
  };
  const Case cases[] = {
      {11, dir::kRight, dir::kRight},  // straight on
      {16, dir::kRight, dir::kUp},     // corner left-up entered from the left
      {14, dir::kUp, dir::kRight},     // corner right-down entered from below
      {14, dir::kRight, 0},            // does not connect back
      {11, dir::kDown, 0},             // entered from its top, which it does not connect
      {19, dir::kLeft, 0},             // a tee ends the trace
      {177, dir::kUp, 0},              // a link end entered from below: nothing remains
      {0, dir::kLeft, 0},
  };
  for (const Case& c : cases) {
    layer.at(1, 1) = c.code;
    EXPECT_EQ(nextDirection(layer, 1, 1, c.moved, diag.reporter), c.expected)
        << int(c.code) << " " << c.moved;
  }
}

TEST(SketchSymbolsDeath, UnknownTraceDirectionIsFatal) {
  EXPECT_EXIT(
      {
        test::Diagnostics diag;
        Layer<std::uint8_t> layer(3, 3, 11);
        nextDirection(layer, 1, 1, 3, diag.reporter);
      },
      testing::ExitedWithCode(1), "");
}

}  // namespace
}  // namespace mz

namespace mz {
namespace {

TEST(SketchColours, IndexesFromOutsideStayInsideTheColourTable) {
  EXPECT_EQ(checkedColourIndex(5, 16, 0), 5);
  EXPECT_EQ(checkedColourIndex(16, 16, 3), 3);
  EXPECT_EQ(checkedColourIndex(-1, 16, 3), 3);
  EXPECT_EQ(checkedColourIndex(300, 1000, 3), 3);
}

}  // namespace
}  // namespace mz
