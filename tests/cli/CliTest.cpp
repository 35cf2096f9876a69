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

}  // namespace
}  // namespace mz
