#include "app/RecentProjects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;
using test::TempDir;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

RecentProjects listOf(std::initializer_list<const char*> paths) {
  RecentProjects r;
  for (const char* p : paths) r.remember(p);
  return r;
}

std::string fileWithCount(const std::string& count) {
  std::string text = "RecentProjectsFile MulzonW 3.0   ! file type identification\n";
  text += "  " + count + "     ! numberof projects\n";
  for (int i = 0; i < 12; ++i) text += "/p/project" + std::to_string(i) + ".prj\n";
  return text;
}

TEST(RecentProjectsFile, WritesTenSlotLinesAndReadsThemBack) {
  TempDir dir;
  Diagnostics d;
  const RecentProjects recent = listOf({"/a/one.prj", "/b/two words.prj"});
  ASSERT_TRUE(writeRecentProjects(recent, d.reporter, dir / "Projects.txt"));
  EXPECT_EQ(test::readFile(dir / "Projects.txt"),
            "RecentProjectsFile MulzonW 3.0   ! file type identification\n"
            "  2     ! numberof projects\n"
            "/a/one.prj\n/b/two words.prj\n\n\n\n\n\n\n\n\n");
  RecentProjects back;
  readRecentProjects(back, d.reporter, dir / "Projects.txt");
  EXPECT_EQ(back, recent);
  EXPECT_THAT(d.messages(), IsEmpty());
}

struct CountCase {
  const char* count;
  std::size_t entries;
};

class RecentProjectsCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(RecentProjectsCount, IsClampedToTheListSize) {
  TempDir dir;
  Diagnostics d;
  test::writeFile(dir / "Projects.txt", fileWithCount(GetParam().count));
  RecentProjects recent;
  readRecentProjects(recent, d.reporter, dir / "Projects.txt");
  ASSERT_EQ(recent.size(), GetParam().entries);
  if (!recent.empty()) {
    EXPECT_EQ(recent.paths().front(), "/p/project0.prj");
  }
  EXPECT_THAT(d.messages(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RecentProjectsCount,
                         ::testing::Values(CountCase{"15", 10}, CountCase{"-3", 0},
                                           CountCase{"10", 10}, CountCase{"4", 4}));

TEST(RecentProjectsFile, BadHeaderLeavesTheListEmpty) {
  TempDir dir;
  Diagnostics d;
  test::writeFile(dir / "Projects.txt", "RecentProjectsFile MulzonW 1.0\n  1\n/x.prj\n");
  RecentProjects recent = listOf({"/old.prj"});
  readRecentProjects(recent, d.reporter, dir / "Projects.txt");
  EXPECT_TRUE(recent.empty());
  ASSERT_EQ(d.messages().size(), 2u);
  EXPECT_TRUE(d.messages()[0].starts_with("Bad recent projects file: "));
  EXPECT_EQ(d.messages()[1], "Invalid header data: RecentProjectsFile MulzonW 1.0");
}

TEST(RecentProjectsFile, MissingFileGivesAnEmptyListSilently) {
  TempDir dir;
  Diagnostics d;
  RecentProjects recent;
  readRecentProjects(recent, d.reporter, dir / "Projects.txt");
  EXPECT_TRUE(recent.empty());
  EXPECT_TRUE(d.ui.events().empty());
}

TEST(RecentProjectsFile, UnwritableFileIsACountedError) {
  TempDir dir;
  Diagnostics d;
  EXPECT_FALSE(writeRecentProjects(RecentProjects{}, d.reporter, dir / "no" / "Projects.txt"));
  EXPECT_THAT(d.messages(), ElementsAre("Could not open Projects.txt."));
  EXPECT_EQ(d.reporter.errorCount(), 1);
}

TEST(RememberProject, MovesAListedPathToTheNewestEndWithoutDuplicating) {
  RecentProjects r = listOf({"/a.prj", "/b.prj", "/c.prj"});
  r.remember("/a.prj");
  EXPECT_THAT(r.paths(), ElementsAre("/b.prj", "/c.prj", "/a.prj"));
  // Comparison is case-sensitive.
  r.remember("/B.prj");
  EXPECT_THAT(r.paths(), ElementsAre("/b.prj", "/c.prj", "/a.prj", "/B.prj"));
}

TEST(RememberProject, EleventhProjectDropsTheOldest) {
  RecentProjects r;
  for (int i = 0; i < 10; ++i) r.remember("/p" + std::to_string(i));
  r.remember("/new");
  ASSERT_EQ(r.size(), 10u);
  EXPECT_EQ(r.paths().front(), "/p1");
  EXPECT_EQ(r.paths().back(), "/new");
  // Re-remembering a listed path in a full list drops nothing else.
  r.remember("/p5");
  EXPECT_EQ(r.size(), 10u);
  EXPECT_EQ(r.paths().front(), "/p1");
  EXPECT_EQ(r.paths().back(), "/p5");
}

TEST(RecentProjectsList, RemovingASlotMovesTheLaterEntriesDown) {
  RecentProjects r = listOf({"/a.prj", "/b.prj", "/c.prj"});
  r.remove(0);
  EXPECT_THAT(r.paths(), ElementsAre("/b.prj", "/c.prj"));
  r.remove(5);
  EXPECT_THAT(r.paths(), ElementsAre("/b.prj", "/c.prj"));
}

int byteWidth(std::string_view text) {
  return static_cast<int>(text.size());
}

TEST(RecentMenu, ListsNewestFirstWithSlotCommands) {
  const RecentProjects r = listOf({"/old.prj", "/mid.prj", "/new.prj"});
  EXPECT_THAT(recentMenuEntries(r, byteWidth),
              ElementsAre(MenuEntry{"&1 /new.prj", 72, true}, MenuEntry{"&2 /mid.prj", 71, true},
                          MenuEntry{"&3 /old.prj", 70, true}));
}

TEST(RecentMenu, EmptyListGivesTheInertNoneEntry) {
  EXPECT_THAT(recentMenuEntries(RecentProjects{}, byteWidth),
              ElementsAre(MenuEntry{"none", 4106, false}));
}

TEST(RecentMenu, LongPathIsShortenedToTheWidthWithItsPrefix) {
  const RecentProjects r = listOf({"/home/user/projects/building/level/office.prj"});
  const auto entries = recentMenuEntries(r, byteWidth, 24);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].text, "&1 /home/use...ffice.prj");
}

TEST(ShortenMiddle, KeepsBothEndsAroundAnEllipsis) {
  EXPECT_EQ(shortenMiddle("/short.prj", 20), "/short.prj");
  EXPECT_EQ(shortenMiddle("abcdefghijklmnop", 16), "abcdefghijklmnop");
  EXPECT_EQ(shortenMiddle("abcdefghijklmnop", 10), "abc...mnop");
  EXPECT_EQ(shortenMiddle("abcdefghijklmnop", 3), "...");
  EXPECT_EQ(shortenMiddle("abcdefghijklmnop", 1), "...");
}

TEST(ShortenMiddle, NeverCutsInsideAUtf8Character) {
  // Each "\xC3\xA9" is two bytes but one character.
  const std::string text = "/\xC3\xA9/\xC3\xA9/\xC3\xA9/\xC3\xA9/x.prj";
  EXPECT_EQ(shortenMiddle(text, 9), "/\xC3\xA9/...prj");
  // Measured in bytes, the cut still falls between characters.
  for (int width = 3; width < 16; ++width) {
    const std::string cut = shortenMiddle(text, byteWidth, width);
    EXPECT_LE(cut.size(), static_cast<std::size_t>(width));
    for (std::size_t i = 0; i < cut.size(); ++i) {
      const auto c = static_cast<unsigned char>(cut[i]);
      if (c == 0xC3) {
        EXPECT_EQ(static_cast<unsigned char>(cut.at(i + 1)), 0xA9) << cut;
      }
      if (c == 0xA9) {
        EXPECT_EQ(static_cast<unsigned char>(cut.at(i - 1)), 0xC3) << cut;
      }
    }
  }
}

}  // namespace
}  // namespace mz
