#include "foundation/FilePath.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace mz {
namespace {

TEST(SplitPath, Cases) {
  struct Case {
    const char* path;
    PathParts want;
  };
  const Case cases[] = {
      {"C:\\dir\\sub\\name.ext.prj", {"C:", "\\dir\\sub\\", "name.ext", ".prj"}},
      {"bare", {"", "", "bare", ""}},
      {"/home/u/office.prj", {"", "/home/u/", "office", ".prj"}},
      {"rel/dir/file", {"", "rel/dir/", "file", ""}},
      // The first separator found decides which one ends the folder.
      {"a/b\\c.txt", {"", "a/", "b\\c", ".txt"}},
      {"dir.d/name", {"", "dir.d/", "name", ""}},
  };
  for (const Case& c : cases) {
    const PathParts p = splitPath(c.path);
    EXPECT_EQ(p.drive, c.want.drive) << c.path;
    EXPECT_EQ(p.dir, c.want.dir) << c.path;
    EXPECT_EQ(p.name, c.want.name) << c.path;
    EXPECT_EQ(p.ext, c.want.ext) << c.path;
  }
}

TEST(PathSplit, CutsEachPartAndLogsTheOverrun) {
  test::TempDir dir;
  LogFile log;
  ASSERT_TRUE(log.open(dir / "l.log"));
  test::Diagnostics d;
  d.reporter.setLog(&log);
  const PathParts p = pathSplit("C:/long/folder/filename.extension", {2, 6, 5, 4}, &d.reporter);
  EXPECT_EQ(p.drive, "");
  EXPECT_EQ(p.dir, "/long");
  EXPECT_EQ(p.name, "file");
  EXPECT_EQ(p.ext, ".ex");
  EXPECT_EQ(test::readFile(dir / "l.log"),
            "ERROR PathSplit: file path overrun\nERROR PathSplit: file name overrun\n"
            "ERROR PathSplit: file extension overrun\n");
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

TEST(MakePath, JoinsWhatSplitPathTookApart) {
  EXPECT_EQ(makePath("", "/home/u/", "office", ".prj"), "/home/u/office.prj");
  EXPECT_EQ(makePath("", "/home/u", "office", "prj"), "/home/u/office.prj");
  EXPECT_EQ(makePath("", "", "bare", ""), "bare");
  const PathParts p = splitPath("/a/b/c.d.e");
  EXPECT_EQ(makePath(p.drive, p.dir, p.name, p.ext), "/a/b/c.d.e");
}

}  // namespace
}  // namespace mz
