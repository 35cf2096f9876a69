#include <gtest/gtest.h>

#include "SketchFixture.h"

namespace mz {
namespace {

using test::lines;
using test::SketchFixture;

TEST(SketchText, PrintedLevelReadsBackToTheSameItems) {
  const std::string drawings[] = {
      lines({"grid 8 16", "................", ".+-----+-----+..", ".|.Z3..|.S4..|..",
             ".|.....F12...|..", ".+--D5-+-----+..", ".......N-7......", "@ 6 3 158 2"}),
      // A number that does not fit beside its icon goes to an item line.
      lines({"grid 5 10", "..........", ".+-----+..", ".|....Z|..", ".+-----+..", "@ 2 6 5 3"}),
  };
  for (const std::string& text : drawings) {
    SketchFixture f;
    f.load(text);
    const std::string printed = printLevel(f.pad, SketchCopy::Current);
    const std::optional<SketchText> back = parseSketchText(printed);
    ASSERT_TRUE(back) << printed;
    EXPECT_EQ(back->items, storeLevel(f.pad)) << printed;
    EXPECT_EQ(back->rows, f.pad.rows());
    EXPECT_EQ(back->columns, f.pad.columns());
  }
  SketchFixture f;
  f.load(drawings[1]);
  EXPECT_NE(printLevel(f.pad, SketchCopy::Current).find("\n@ 2 6 5 3\n"), std::string::npos);
}

TEST(SketchText, PrintsTheDrawingAsWritten) {
  SketchFixture f;
  const std::string text =
      lines({"grid 5 10", "..........", ".+-----+..", ".|.Z3..F2.", ".+-----+..", ".........."});
  f.load(text);
  EXPECT_EQ(printLevel(f.pad, SketchCopy::Current), text);
}

TEST(SketchText, MalformedTextsAreRefusedWithTheirReason) {
  const std::pair<std::string, std::string> cases[] = {
      {"..+-..\n", "wall node at row 0, col 2 is not a corner, tee or cross"},
      {"..q..\n", "unknown character 'q' at row 0, col 2"},
      {"grid 2 4\n.....\n", "row 0 is wider than the grid"},
      {"grid 1 4\n....\n....\n", "the drawing has more rows than the grid"},
      {"....\n@ 1 2 300 0\n", "bad item line: @ 1 2 300 0"},
      {"grid 0 4\n", "bad grid line: grid 0 4"},
  };
  for (const auto& [text, reason] : cases) {
    std::string error;
    EXPECT_FALSE(parseSketchText(text, &error)) << text;
    EXPECT_EQ(error, reason);
  }
}

}  // namespace
}  // namespace mz
