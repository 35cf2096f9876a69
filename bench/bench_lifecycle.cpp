// Checking and saving the generated building of 10,000 zones and 10,000 paths as the program
// does it: the project is opened from its file, then checked in full and saved (the check has
// just numbered it), and saved alone with its own renumbering.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "GeneratedBuilding.h"
#include "app/Prjinout.h"
#include "app/Session.h"
#include "ui/ScriptedUi.h"

namespace mz {
namespace {

namespace fs = std::filesystem;

struct Opened {
  Opened() {
    fs::create_directories(folder);
    session.files.projectBackup = folder / "PROJECT.BKP";
    Project building;
    bench::generateBuilding(building);
    writeProject(session.reporter, building, {bench::kRows, bench::kColumns, false, false},
                 folder / "building.prj");
    opened = life.openProjectFile((folder / "building.prj").native());
  }
  ~Opened() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;

  fs::path folder = fs::temp_directory_path() / ("mulzon-bench-" + std::to_string(::getpid()));
  ScriptedUi ui;
  Session session{ui};
  ProjectLife life{session};
  bool opened = false;
};

void BM_CheckAndSave(benchmark::State& state) {
  Opened o;
  bool ok = o.opened;
  for (auto _ : state) {
    ok = o.life.checkBuilding(CheckMode::Full) == CheckResult::Passed && ok;
    ok = o.life.saveProject(false) && ok;
  }
  if (!ok || o.life.project().zones.count() != bench::kZones)
    state.SkipWithError("the building did not check clean or was not saved");
}

void BM_SaveRenumbered(benchmark::State& state) {
  Opened o;
  bool ok = o.opened;
  for (auto _ : state) ok = o.life.saveProject() && ok;
  if (!ok) state.SkipWithError("the building was not saved");
}

BENCHMARK(BM_CheckAndSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveRenumbered)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mz
