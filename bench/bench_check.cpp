// The building check in both modes on a project of 20 levels with 500 rooms each: 10,000 zones
// and 10,000 paths, every room opening through its top wall to the room above or to ambient.

#include <benchmark/benchmark.h>

#include <memory>

#include "GeneratedBuilding.h"
#include "foundation/Heap.h"
#include "sketchpad/Levelw.h"
#include "sketchpad/SketchLayers.h"
#include "sketchpad/SketchProject.h"
#include "ui/ScriptedUi.h"

namespace {

using mz::bench::kColumns;
using mz::bench::kRows;

struct Building {
  mz::ScriptedUi ui;
  mz::ErrorReporter reporter{ui};
  mz::Project project;
  mz::SketchPad pad{reporter};
  mz::ProblemList problems;
  mz::CheckContext context{project, pad, problems, nullptr};

  Building() {
    pad.allocateLayers(kRows, kColumns);
    mz::bench::generateBuilding(project);
    mz::showLevel(pad, project.levels, *project.levels.lowest());
  }
};

void checkBuildingBench(benchmark::State& state, mz::CheckMode mode) {
  auto building = std::make_unique<Building>();
  for (auto _ : state) {
    const mz::CheckResult result = mz::checkBuilding(building->context, mode);
    benchmark::DoNotOptimize(result);
  }
  if (building->project.zones.count() != mz::bench::kZones ||
      building->project.paths.count() != mz::bench::kZones || !building->problems.empty())
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
