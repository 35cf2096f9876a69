// The building check in both modes on a project of 20 levels with 500 rooms each: 10,000 zones
// and 10,000 paths, every room opening through its top wall to the room above or to ambient.

#include <benchmark/benchmark.h>

#include <memory>

#include "foundation/Heap.h"
#include "model/Project.h"
#include "sketchpad/Levelw.h"
#include "sketchpad/SketchLayers.h"
#include "sketchpad/SketchProject.h"
#include "sketchpad/SketchSymbols.h"
#include "ui/ScriptedUi.h"

namespace {

constexpr int kLevels = 20;
constexpr int kRoomRows = 20;
constexpr int kRoomColumns = 25;
constexpr int kPitch = 4;  // rooms of 3 x 3 cells between walls
constexpr int kRows = 1 + kRoomRows * kPitch + 2;
constexpr int kColumns = 1 + kRoomColumns * kPitch + 2;

mz::LevelItem item(int row, int column, std::uint8_t code, std::int32_t number) {
  return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column), code, number};
}

// One level's items in stored order; zones and paths numbered from the given counters.
std::vector<mz::LevelItem> rooms(int& zone, int& path) {
  std::vector<mz::LevelItem> items;
  for (int i = 0; i <= kRoomRows; ++i) {
    const int wallRow = 1 + i * kPitch;
    for (int j = 0; j <= kRoomColumns; ++j) {
      const int bits = (i > 0 ? mz::dir::kUp : 0) | (i < kRoomRows ? mz::dir::kDown : 0) |
                       (j > 0 ? mz::dir::kLeft : 0) | (j < kRoomColumns ? mz::dir::kRight : 0);
      items.push_back(item(wallRow, 1 + j * kPitch, mz::wallCodeForBits(bits), 0));
      if (i < kRoomRows && j < kRoomColumns)
        items.push_back(item(wallRow, 3 + j * kPitch, mz::icon::kPathStandard, ++path));
    }
    if (i == kRoomRows) break;
    for (int j = 0; j < kRoomColumns; ++j)
      items.push_back(item(wallRow + 2, 3 + j * kPitch, mz::icon::kZone, ++zone));
  }
  return items;
}

struct Building {
  mz::ScriptedUi ui;
  mz::ErrorReporter reporter{ui};
  mz::Project project;
  mz::SketchPad pad{reporter};
  mz::ProblemList problems;
  mz::CheckContext context{project, pad, problems, nullptr};

  Building() {
    pad.allocateLayers(kRows, kColumns);
    mz::AirflowElement orifice;
    orifice.name = "orifice";
    const mz::Ref<mz::AirflowElement> element =
        mz::ElementList<mz::AirflowElement>::ref(&project.airflowElements.addElement(orifice));
    int zone = 0;
    int path = 0;
    for (int l = 0; l < kLevels; ++l) {
      mz::Level& level = project.addLevel(project.levels.highest());
      const int firstZone = zone + 1;
      const int firstPath = path + 1;
      level.items = rooms(zone, path);
      for (int n = firstZone; n <= zone; ++n) project.putZone(project.newZone(), n);
      for (int n = firstPath; n <= path; ++n) {
        mz::AirflowPath p = project.newPath({});
        p.element = element;
        project.putPath(p, n);
      }
    }
    mz::Level& lowest = *project.levels.lowest();
    project.currentLevel = mz::Levels::ref(&lowest);
    mz::showLevel(pad, project.levels, lowest);
  }
};

void checkBuildingBench(benchmark::State& state, mz::CheckMode mode) {
  auto building = std::make_unique<Building>();
  for (auto _ : state) {
    const mz::CheckResult result = mz::checkBuilding(building->context, mode);
    benchmark::DoNotOptimize(result);
  }
  if (building->project.zones.count() != kLevels * kRoomRows * kRoomColumns ||
      building->project.paths.count() != kLevels * kRoomRows * kRoomColumns ||
      !building->problems.empty())
    state.SkipWithError("the generated building did not check clean");
}

void BM_CheckBuildingFull(benchmark::State& state) {
  checkBuildingBench(state, mz::CheckMode::Full);
}
void BM_CheckBuildingRenumber(benchmark::State& state) {
  checkBuildingBench(state, mz::CheckMode::Renumber);
}

BENCHMARK(BM_CheckBuildingFull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckBuildingRenumber)->Unit(benchmark::kMillisecond);

}  // namespace
