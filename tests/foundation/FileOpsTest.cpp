#include "foundation/FileOps.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace mz {
namespace {

TEST(CopyFile, CopiesBytesAndLogs) {
  test::TempDir dir;
  LogFile log;
  ASSERT_TRUE(log.open(dir / "copy.log"));
  test::Diagnostics d;
  d.reporter.setLog(&log);
  test::writeFile(dir / "a.prj", "line 1\r\nline 2\n");
  EXPECT_TRUE(copyFile(d.reporter, dir / "a.prj", dir / "b.prj"));
  EXPECT_EQ(test::readFile(dir / "b.prj"), "line 1\r\nline 2\n");
  EXPECT_EQ(test::readFile(dir / "copy.log"), "file_copy\n  from " + (dir / "a.prj").native() +
                                                  "\n  to " + (dir / "b.prj").native() + "\n");
}

TEST(CopyFile, TheSameFileByAnotherNameIsLeftAlone) {
  test::TempDir dir;
  test::Diagnostics d;
  test::writeFile(dir / "a.prj", "data");
  std::filesystem::create_directory(dir / "sub");
  EXPECT_TRUE(copyFile(d.reporter, dir / "a.prj", dir / "sub" / ".." / "a.prj"));
  EXPECT_TRUE(copyFile(d.reporter, dir / "a.prj", dir / "a.prj"));
  EXPECT_EQ(test::readFile(dir / "a.prj"), "data");
  EXPECT_TRUE(d.ui.events().empty());
}

TEST(CopyFile, FailuresAreReportedAsFailures) {
  test::TempDir dir;
  test::Diagnostics d;
  EXPECT_FALSE(copyFile(d.reporter, dir / "missing", dir / "b"));
  test::writeFile(dir / "a", "x");
  EXPECT_FALSE(copyFile(d.reporter, dir / "a", dir / "no" / "b"));
  EXPECT_EQ(d.messages(),
            (std::vector<std::string>{" Failed to open " + (dir / "missing").native(),
                                      " Failed to open " + (dir / "no" / "b").native()}));
  EXPECT_EQ(d.reporter.errorCount(), 2);
}

TEST(CopyFile, AFullDiskFailsTheCopy) {
  if (!fileExists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  test::TempDir dir;
  test::Diagnostics d;
  test::writeFile(dir / "a", std::string(20000, 'x'));
  EXPECT_FALSE(copyFile(d.reporter, dir / "a", "/dev/full"));
  EXPECT_EQ(d.messages(), std::vector<std::string>{" Failed to write /dev/full"});
}

TEST(FileExists, Cases) {
  test::TempDir dir;
  test::writeFile(dir / "a", "");
  EXPECT_TRUE(fileExists(dir / "a"));
  EXPECT_TRUE(fileExists(dir.path()));
  EXPECT_FALSE(fileExists(dir / "b"));
}

}  // namespace
}  // namespace mz
