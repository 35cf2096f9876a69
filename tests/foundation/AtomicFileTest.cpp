// Replacing a file through a fresh file: the target is only ever the old or the new text.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "foundation/AtomicFile.h"
#include "foundation/Heap.h"
#include "support/FaultyDisk.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

namespace fs = std::filesystem;
using test::DiskStep;
using test::FaultyDisk;
using test::folderNames;
using ::testing::ElementsAre;
using ::testing::StartsWith;

class AtomicFileTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::Diagnostics diag;
  fs::path target = dir / "house.prj";
};

TEST_F(AtomicFileTest, ReplacesTheTextAndKeepsThePermissions) {
  test::writeFile(target, "old text that is longer than the new one\n");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  SystemDisk disk;
  ASSERT_TRUE(replaceFile(diag.reporter, Severity::Error, disk, target, "new\n"));
  EXPECT_EQ(test::readFile(target), "new\n");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::mask,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_THAT(folderNames(dir.path()), ElementsAre("house.prj"));
  EXPECT_TRUE(diag.messages().empty());
}

TEST_F(AtomicFileTest, CreatesAMissingFileReadableByAll) {
  SystemDisk disk;
  ASSERT_TRUE(replaceFile(diag.reporter, Severity::Error, disk, target, "text"));
  EXPECT_EQ(test::readFile(target), "text");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::mask,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}

TEST_F(AtomicFileTest, ASymbolicLinkStaysALinkToTheNewText) {
  fs::create_directory(dir / "real");
  test::writeFile(dir / "real" / "house.prj", "old");
  fs::create_symlink(dir / "real" / "house.prj", target);
  SystemDisk disk;
  ASSERT_TRUE(replaceFile(diag.reporter, Severity::Error, disk, target, "new"));
  EXPECT_TRUE(fs::is_symlink(target));
  EXPECT_EQ(test::readFile(dir / "real" / "house.prj"), "new");
  EXPECT_THAT(folderNames(dir / "real"), ElementsAre("house.prj"));
}

TEST_F(AtomicFileTest, AFileThatMayNotBeWrittenIsRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write every file";
  test::writeFile(target, "old");
  fs::permissions(target, fs::perms::owner_read);
  SystemDisk disk;
  EXPECT_FALSE(replaceFile(diag.reporter, Severity::Error, disk, target, "new"));
  EXPECT_EQ(test::readFile(target), "old");
  EXPECT_THAT(diag.messages(), ElementsAre("Could not open file: " + target.native()));
}

struct StepCase {
  DiskStep step;
  const char* message;
};

class AtomicFileFailure : public AtomicFileTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(AtomicFileFailure, LeavesTheOldFileByteForByteAndNoFreshFile) {
  const std::string old = "MulzonW 3.0  0\r\nold project\n";
  test::writeFile(target, old);
  FaultyDisk disk(GetParam().step);
  EXPECT_FALSE(replaceFile(diag.reporter, Severity::Error, disk, target, std::string(9000, 'x')));
  EXPECT_EQ(test::readFile(target), old);
  EXPECT_THAT(folderNames(dir.path()), ElementsAre("house.prj"));
  ASSERT_EQ(diag.messages().size(), 1u);
  EXPECT_THAT(diag.messages()[0], StartsWith(GetParam().message));
  EXPECT_EQ(diag.reporter.errorCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, AtomicFileFailure,
                         ::testing::Values(StepCase{DiskStep::Create,
                                                    "Could not open temporary file: "},
                                           StepCase{DiskStep::Write, "Could not write file: "},
                                           StepCase{DiskStep::Flush, "Could not write file: "},
                                           StepCase{DiskStep::Close, "Could not write file: "},
                                           StepCase{DiskStep::Rename, "Could not replace file: "}));

TEST_F(AtomicFileTest, AFailureAtWarningSeverityIsNotCounted) {
  FaultyDisk disk(DiskStep::Create);
  EXPECT_FALSE(replaceFile(diag.reporter, Severity::Warning, disk, target, "text"));
  EXPECT_EQ(diag.reporter.errorCount(), 0);
  ASSERT_EQ(diag.ui.eventsOf(UiEvent::Kind::Message).size(), 1u);
  EXPECT_EQ(diag.ui.eventsOf(UiEvent::Kind::Message)[0].caption, "WARNING");
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(AtomicFileTest, TwoReplacementsAtOnceUseTheirOwnFreshFiles) {
  SystemDisk disk;
  std::unique_ptr<FreshFile> first = disk.create(dir.path(), ".house.prj.", fs::perms::owner_all);
  std::unique_ptr<FreshFile> second = disk.create(dir.path(), ".house.prj.", fs::perms::owner_all);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->path(), second->path());
  EXPECT_TRUE(first->write("one") && first->close());
  EXPECT_TRUE(second->write("two") && second->close());
  EXPECT_EQ(test::readFile(first->path()), "one");
  EXPECT_EQ(test::readFile(second->path()), "two");
}

}  // namespace
}  // namespace mz
