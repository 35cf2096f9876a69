#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "app/CellSize.h"
#include "app/Environment.h"
#include "app/Folders.h"
#include "app/Mulzon.h"
#include "app/ProjectArg.h"
#include "app/Session.h"
#include "app/StartLog.h"
#include "app/WindowSize.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;
using test::TempDir;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;

struct CellSizeCase {
  const char* name;
  std::vector<int> sizes;
  int current;
  int mode;
  int size;
  int expected;
};

class SetCellSize : public ::testing::TestWithParam<CellSizeCase> {};

TEST_P(SetCellSize, ChoosesAndTellsWhetherItChanged) {
  const CellSizeCase& c = GetParam();
  int current = c.current;
  EXPECT_EQ(setCellSize(current, c.sizes, c.mode, c.size), c.expected != c.current);
  EXPECT_EQ(current, c.expected);
}

const std::vector<int> kAllSizes = {1, 2, 3, 4, 5, 8, 16};
const std::vector<int> kSome = {2, 4, 8, 16};

INSTANTIATE_TEST_SUITE_P(Cases, SetCellSize,
                         ::testing::Values(CellSizeCase{"SelectListed", kAllSizes, 8, 0, 3, 3},
                                           CellSizeCase{"SelectUnlisted", kSome, 4, 0, 3, 8},
                                           CellSizeCase{"SelectSame", kAllSizes, 8, 0, 8, 8},
                                           CellSizeCase{"Smaller", kAllSizes, 8, -1, 0, 5},
                                           CellSizeCase{"SmallerSkipsUnlisted", kSome, 8, -1, 0, 4},
                                           CellSizeCase{"SmallestStays", kSome, 2, -1, 0, 2},
                                           CellSizeCase{"Larger", kAllSizes, 5, 1, 0, 8},
                                           CellSizeCase{"LargestStays", kAllSizes, 16, 1, 0, 16},
                                           CellSizeCase{"OtherModeIsDefault", kAllSizes, 16, 7, 0,
                                                        8}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(CellCursor, NamesEachSize) {
  Diagnostics d;
  EXPECT_EQ(cellCursorName(d.reporter, 1), "IDC_CELL1");
  EXPECT_EQ(cellCursorName(d.reporter, 16), "IDC_CELL16");
}

TEST(CellCursorDeathTest, UnknownSizeIsFatal) {
  EXPECT_EXIT(
      {
        Diagnostics d;
        cellCursorName(d.reporter, 6);
      },
      ::testing::ExitedWithCode(1), "");
}

TEST(WindowSize, InitialSizeFollowsTheGrid) {
  EXPECT_EQ(initialWindowSize(8, kDefaultGridColumns, kDefaultGridRows), (WindowSize{553, 564}));
}

TEST(WindowSize, FitsTheGridInsideTheWorkAreaAndKeepsTheMinimum) {
  GridFit fit;
  fit.menuBarHeight = 20;
  fit.frame = {10, 30};
  fit.workArea = {0, 0, 1920, 1080};
  fit.left = 100;
  fit.top = 50;
  EXPECT_EQ(sizeMainWindowToGrid(fit), (WindowSize{563, 614}));
  // A large cell size is cut at the work area's right and bottom edges.
  fit.cellSize = 16;
  EXPECT_EQ(sizeMainWindowToGrid(fit), (WindowSize{1091, 1030}));
  // A small one is held at 550 x 175.
  fit.cellSize = 1;
  fit.rows = 20;
  EXPECT_EQ(sizeMainWindowToGrid(fit), (WindowSize{550, 175}));
  // A work area that starts off the origin (a second monitor) counts from its own edges.
  fit.cellSize = 16;
  fit.rows = kDefaultGridRows;
  fit.workArea = {1920, 0, 1000, 1024};
  fit.left = 2000;
  EXPECT_EQ(sizeMainWindowToGrid(fit), (WindowSize{920, 974}));
}

TEST(ProjectArgument, RelativePathIsTakenFromTheStartFolder) {
  const ProjectArgument a = resolveProjectArgument("sub/house.txt", "/home/u/work");
  EXPECT_EQ(a.projectPath, "/home/u/work/sub/house.prj");
  EXPECT_THAT(a.logLines, ElementsAre("Project by parameter: sub/house.txt\n",
                                      "Working directory: /home/u/work/sub/\n"));
}

TEST(ProjectArgument, AbsolutePathOnlyGetsItsExtensionReplaced) {
  const ProjectArgument a = resolveProjectArgument("/data/a.b.PRJ", "/elsewhere");
  EXPECT_EQ(a.projectPath, "/data/a.b.prj");
  EXPECT_THAT(a.logLines, ElementsAre("Project by parameter: /data/a.b.PRJ\n"));
  EXPECT_EQ(resolveProjectArgument("../plain", "/w/x").projectPath, "/w/plain.prj");
}

TEST(StartLog, ClockTextIsTheFixedEnglishForm) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 8;
  t.tm_wday = 2;
  t.tm_hour = 20;
  t.tm_min = 30;
  t.tm_sec = 7;
  EXPECT_EQ(clockText(t), "Tue Dec 08 20:30:07 2026");
  EXPECT_EQ(clockText(t).size(), 24u);
}

TEST(StartLog, HeaderHasFourLines) {
  const std::string header = logHeader("/opt/mulzon/bin/mulzonw", 0, 0);
  EXPECT_THAT(header, MatchesRegex("Program:  /opt/mulzon/bin/mulzonw\n"
                                   "  Version:  3\\.0 \n"
                                   "  Created:  [A-Z][a-z]{2} [A-Z][a-z]{2} [0-9]{2} "
                                   "[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}\n"
                                   "Start at:  .{24}\n"));
}

Environment fakeEnvironment(std::map<std::string, std::string> variables,
                            const std::filesystem::path& programDir) {
  Environment env;
  env.variable = [variables](std::string_view name) -> std::optional<std::string> {
    auto it = variables.find(std::string(name));
    if (it == variables.end()) return std::nullopt;
    return it->second;
  };
  env.programPath = programDir / "mulzonw";
  env.startDirectory = "/start/here";
  return env;
}

TEST(Folders, PerUserBaseComesFromTheEnvironmentInOrder) {
  const std::filesystem::path p = "/prog";
  EXPECT_EQ(userConfigBase(fakeEnvironment({{"APPDATA", "/a"}, {"XDG_CONFIG_HOME", "/x"}}, p)),
            "/a");
  EXPECT_EQ(userConfigBase(fakeEnvironment({{"APPDATA", ""}, {"XDG_CONFIG_HOME", "/x"}}, p)), "/x");
  EXPECT_EQ(userConfigBase(fakeEnvironment({{"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}}, p)),
            "/h/.config");
  EXPECT_EQ(userConfigBase(fakeEnvironment({}, p)), std::nullopt);
}

TEST(Folders, FilesAreComposedInTheirFolders) {
  TempDir dir;
  const ProgramFiles f = composeProgramFiles(dir / "mulzonw", "/u/Mulzon/MulzonW 3.0");
  EXPECT_EQ(f.programDirectory, dir.path());
  EXPECT_EQ(f.logFile, "/u/Mulzon/MulzonW 3.0/MULZONW3.log");
  EXPECT_EQ(f.configFile, "/u/Mulzon/MulzonW 3.0/Mulzon.cfg");
  EXPECT_EQ(f.recentFile, "/u/Mulzon/MulzonW 3.0/Projects.txt");
  EXPECT_EQ(f.projectBackup, "/u/Mulzon/MulzonW 3.0/PROJECT.BKP");
  EXPECT_EQ(f.projectTemporary, "/u/Mulzon/MulzonW 3.0/PROJECT.TMP");
  EXPECT_EQ(f.libraryBackup, "/u/Mulzon/MulzonW 3.0/LIBRARY.BKP");
  EXPECT_EQ(f.helpFile, "MWHelp30.chm");
  test::writeFile(dir / "MWHelp30.chm", "help");
  EXPECT_EQ(composeProgramFiles(dir / "mulzonw", "/u").helpFile, dir / "MWHelp30.chm");
}

TEST(Folders, WithoutAPerUserBaseTheProgramFolderIsUsed) {
  TempDir dir;
  const ProgramFiles f = locateProgramFiles(fakeEnvironment({}, dir.path()));
  EXPECT_EQ(f.userDataDirectory, dir.path());
  EXPECT_EQ(f.configFile, dir / "Mulzon.cfg");
}

TEST(StartSession, CreatesTheUserFolderAndTheLogAndReadsTheFiles) {
  TempDir dir;
  const auto before = std::filesystem::current_path();
  const std::filesystem::path user = dir / "appdata" / "Mulzon" / "MulzonW 3.0";
  std::filesystem::create_directories(user);
  test::writeFile(user / "Projects.txt", "RecentProjectsFile MulzonW 3.0\n 1\n/p/one.prj\n");
  test::writeFile(user / "Mulzon.cfg", "ConfigFile MulzonW 3.0\n 5 1 2 4 8 16\n 7\n");

  ScriptedUi ui;
  Session s(ui);
  startSession(s, fakeEnvironment({{"APPDATA", (dir / "appdata").native()}}, dir.path()));
  EXPECT_EQ(std::filesystem::current_path(), before);
  EXPECT_EQ(s.files.userDataDirectory, user);
  EXPECT_EQ(s.startDirectory, "/start/here");
  EXPECT_THAT(s.recent.paths(), ElementsAre("/p/one.prj"));
  EXPECT_THAT(s.config.cellSizes, ElementsAre(1, 2, 4, 8, 16));

  const std::string log = test::readFile(user / "MULZONW3.log");
  EXPECT_TRUE(log.starts_with("Program:  " + (dir / "mulzonw").native() + "\n  Version:  3.0 \n"))
      << log;
  EXPECT_THAT(log, ::testing::HasSubstr("ERROR  (file CnfgDlg, line "));
  EXPECT_THAT(log, ::testing::HasSubstr(" Invalid units #: 7\n"));

  projectFromCommandLine(s, "house");
  s.recent.remember("/p/two.prj");
  shutDown(s);
  EXPECT_THAT(test::readFile(user / "MULZONW3.log"),
              ::testing::HasSubstr("Project by parameter: house\n"
                                   "Working directory: /start/here/\n"));
  EXPECT_THAT(test::readFile(user / "Projects.txt"),
              ::testing::HasSubstr("  2     ! numberof projects\n/p/one.prj\n/p/two.prj\n"));
}

TEST(StartSession, LogThatCannotBeCreatedIsReportedAndTheRunGoesOn) {
  TempDir dir;
  // A file where the vendor folder should be: neither the folder nor the log can be made.
  test::writeFile(dir / "Mulzon", "in the way");
  ScriptedUi ui;
  Session s(ui);
  startSession(s, fakeEnvironment({{"APPDATA", dir.path().native()}}, dir.path()));
  EXPECT_FALSE(s.log.isOpen());
  ASSERT_EQ(ui.eventsOf(UiEvent::Kind::Message).size(), 1u);
  const UiEvent e = ui.eventsOf(UiEvent::Kind::Message)[0];
  EXPECT_EQ(e.caption, "ERROR");
  EXPECT_TRUE(e.text.starts_with("  Failed to open " + (dir / "Mulzon").native())) << e.text;
  EXPECT_EQ(s.config, Configuration{});
  shutDown(s);
}

}  // namespace
}  // namespace mz
