// Runs the built mulzon as a user would, with its per-user folder in a fresh temporary folder.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/TestSupport.h"

extern char** environ;

namespace mz {
namespace {

using test::TempDir;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::StartsWith;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs mulzon with the arguments and APPDATA set to appData; the rest of the environment is
// the test's own.
Outcome runMulzon(const std::vector<std::string>& args, const std::filesystem::path& appData) {
  TempDir io;
  const std::string outPath = (io / "out").native();
  const std::string errPath = (io / "err").native();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "APPDATA=", 8) != 0) env.emplace_back(*e);
  env.push_back("APPDATA=" + appData.native());
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  std::vector<std::string> argStore = {MULZON_CLI};
  argStore.insert(argStore.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argStore) argv.push_back(a.data());
  argv.push_back(nullptr);

  Outcome run;
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, MULZON_CLI, &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return run;
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  if (WIFEXITED(wstatus)) run.status = WEXITSTATUS(wstatus);
  run.out = test::readFile(outPath);
  run.err = test::readFile(errPath);
  return run;
}

std::filesystem::path userFolder(const TempDir& appData) {
  return appData / "Mulzon" / "MulzonW 3.0";
}

TEST(Mulzon, VersionRunsTheStartUpInAnEmptyUserFolder) {
  TempDir appData;
  const Outcome run = runMulzon({"--version"}, appData.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "MulzonW 3.0\n");
  EXPECT_EQ(run.err, "");
  const auto folder = userFolder(appData);
  ASSERT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_THAT(test::readFile(folder / "MULZONW3.log"),
              MatchesRegex("Program:  /.*/mulzon\n  Version:  3\\.0 \n  Created:  .{24}\n"
                           "Start at:  .{24}\n"));
  // The tool leaves the user's recent-projects list alone.
  EXPECT_FALSE(std::filesystem::exists(folder / "Projects.txt"));
}

TEST(Mulzon, BadConfigurationValueIsReportedOnStandardErrorAndInTheLog) {
  TempDir appData;
  std::filesystem::create_directories(userFolder(appData));
  test::writeFile(userFolder(appData) / "Mulzon.cfg", "ConfigFile MulzonW 3.0\n  3  1 2 4\n  5\n");
  const Outcome run = runMulzon({"--version"}, appData.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "MulzonW 3.0\n");
  EXPECT_THAT(run.err,
              MatchesRegex("ERROR: 8x8 font required\n  \\(file CnfgDlg, line [0-9]+\\)\n"));
  EXPECT_THAT(test::readFile(userFolder(appData) / "MULZONW3.log"),
              MatchesRegex("(.*\n)*ERROR  \\(file CnfgDlg, line [0-9]+\\)\n 8x8 font required\n"));
}

TEST(Mulzon, BadConfigurationHeaderGivesAWarningAndAnError) {
  TempDir appData;
  std::filesystem::create_directories(userFolder(appData));
  const auto cfg = userFolder(appData) / "Mulzon.cfg";
  test::writeFile(cfg, "ConfigFile MulzonW 1.0 ! first\n  7  1 2 3 4 5 8 16\n");
  const Outcome run = runMulzon({"--version"}, appData.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.err, HasSubstr("WARNING: Bad configuration file: " + cfg.native() + "\n"));
  EXPECT_THAT(run.err, HasSubstr("ERROR: Invalid header data: ConfigFile MulzonW 1.0 ! first\n"));
}

TEST(Mulzon, LogThatCannotBeCreatedIsReportedAndTheCommandStillRuns) {
  TempDir appData;
  test::writeFile(appData / "Mulzon", "a file where the vendor folder belongs");
  const Outcome run = runMulzon({"--version"}, appData.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "MulzonW 3.0\n");
  EXPECT_THAT(run.err, HasSubstr("ERROR: Failed to open " + (appData / "Mulzon").native()));
}

struct Usage {
  std::vector<std::string> args;
  int status;
};

class MulzonUsage : public ::testing::TestWithParam<Usage> {};

TEST_P(MulzonUsage, GivesItsExitStatus) {
  TempDir appData;
  const Outcome run = runMulzon(GetParam().args, appData.path());
  EXPECT_EQ(run.status, GetParam().status) << run.err;
  if (GetParam().status == 2) {
    EXPECT_FALSE(run.err.empty());
    // Bad usage stops before the start-up touches the user's folder.
    EXPECT_FALSE(std::filesystem::exists(appData / "Mulzon"));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, MulzonUsage,
                         ::testing::Values(Usage{{}, 2}, Usage{{"--bogus"}, 2},
                                           Usage{{"--yes", "--no", "--version"}, 2},
                                           Usage{{"nosuchcommand"}, 2}, Usage{{"--help"}, 0},
                                           Usage{{"--no", "--version"}, 0}));

// The bundled example in a fresh folder, and the user's folder beside it.
class MulzonProject : public ::testing::Test {
 protected:
  MulzonProject() {
    std::filesystem::create_directory(dir / "app");
    test::writeFile(project, example);
  }
  Outcome run(std::vector<std::string> args) { return runMulzon(args, dir / "app"); }

  TempDir dir;
  const std::string example =
      test::readFile(std::filesystem::path(MULZON_SOURCE_DIR) / "examples" / "office.prj");
  const std::filesystem::path project = dir / "office.prj";
};

TEST_F(MulzonProject, TheExampleChecksCleanAndSavesBackTheSame) {
  const Outcome check = run({"check", project.native()});
  EXPECT_EQ(check.status, 0) << check.err;
  EXPECT_EQ(check.out, "");
  EXPECT_EQ(check.err, "");
  const Outcome save = run({"save", project.native()});
  EXPECT_EQ(save.status, 0) << save.err;
  EXPECT_EQ(test::readFile(project), example);
  const Outcome copy = run({"save", project.native(), "-o", (dir / "copy.prj").native()});
  EXPECT_EQ(copy.status, 0) << copy.err;
  EXPECT_EQ(test::readFile(dir / "copy.prj"), example);
}

struct ProblemCase {
  const char* name;
  const char* item;     // a line of the example's icon data
  const char* changed;  // what it becomes
  const char* listed;   // what check prints
};

class MulzonCheck : public MulzonProject, public ::testing::WithParamInterface<ProblemCase> {};

TEST_P(MulzonCheck, ListsEachProblemAtItsLevelAndCell) {
  std::string text = example;
  const std::string item = std::string("\n") + GetParam().item + "\n";
  const std::size_t at = text.find(item);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, item.size(), std::string("\n") + GetParam().changed + "\n");
  test::writeFile(project, text);
  const Outcome check = run({"check", project.native()});
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out, GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, MulzonCheck,
    ::testing::Values(
        ProblemCase{"UndefinedPath", "  23   4   5   5", "  23   4   5   0",
                    "level 1 row 5 col 4: Undefined airflow path.\n"},
        ProblemCase{"UndefinedZone", "   5   3   3   2", "   5   3   3  -2",
                    "level 1 row 2 col 2: At least one zone is not defined on level: Ground\n"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MulzonProject, ShowPrintsTheDrawingAndTheZoneMapOfALevel) {
  const Outcome show = run({"show", project.native(), "--level", "2"});
  EXPECT_EQ(show.status, 0) << show.err;
  // Rows of the 66 columns wide grid: the drawing, an empty line, the zone map.
  auto row = [](std::string start) { return "\n" + start + std::string(66 - start.size(), '.'); };
  EXPECT_THAT(show.out, StartsWith("grid 58 66\n"));
  EXPECT_THAT(show.out, HasSubstr(row(".|.Z1........F2") + "\n"));
  EXPECT_THAT(show.out, HasSubstr("\n\n" + row("").substr(1) + row(".#############")));
  EXPECT_THAT(show.out, HasSubstr(row(".#11111111111#") + "\n"));
  const Outcome missing = run({"show", project.native(), "--level", "3"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_THAT(missing.err, HasSubstr("has no level 3 (it has 2)"));
  EXPECT_EQ(run({"show", project.native(), "--level", "0"}).status, 2);
}

TEST_F(MulzonProject, AProjectThatCannotBeReadOrSavedFails) {
  const Outcome absent = run({"check", (dir / "none.prj").native()});
  EXPECT_EQ(absent.status, 1);
  EXPECT_THAT(absent.err, HasSubstr("ERROR: Could not open file: " + (dir / "none.prj").native()));
  const Outcome unsaved =
      run({"save", project.native(), "-o", (dir / "no" / "such" / "folder.prj").native()});
  EXPECT_EQ(unsaved.status, 1);
  EXPECT_THAT(unsaved.err, HasSubstr("ERROR: Could not open temporary file: "));
  EXPECT_EQ(test::readFile(project), example);
}

TEST_F(MulzonProject, AReadOnlyProjectIsSavedOnlyUnderANewName) {
  std::filesystem::permissions(project, std::filesystem::perms::owner_read);
  const Outcome save = run({"save", project.native()});
  EXPECT_EQ(save.status, 1);
  EXPECT_THAT(save.err, HasSubstr("give one with -o"));
  EXPECT_EQ(run({"save", project.native(), "-o", (dir / "copy.prj").native()}).status, 0);
  EXPECT_EQ(test::readFile(dir / "copy.prj"), example);
}

}  // namespace
}  // namespace mz
