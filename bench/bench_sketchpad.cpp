// Zone identification of a level filled with rooms: the default 66 x 58 grid and a large one.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchDrawings.h"
#include "foundation/Heap.h"
#include "sketchpad/SketchLayers.h"
#include "sketchpad/SketchStore.h"
#include "sketchpad/SketchText.h"
#include "sketchpad/SketchZones.h"
#include "ui/ScriptedUi.h"

namespace {

void BM_IdentifyZones(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const int columns = static_cast<int>(state.range(1));
  mz::ScriptedUi ui;
  mz::ErrorReporter reporter(ui);
  mz::SketchPad pad(reporter);
  std::vector<mz::LevelItem> items =
      mz::parseSketchText(mz::bench::roomsDrawing(rows, columns))->items;
  pad.allocateLayers(rows, columns);
  mz::loadLevel(pad, items, mz::SketchCopy::Current);
  if (mz::identifyZonesFully(pad, mz::SketchCopy::Current, false) || reporter.errorCount() != 0)
    state.SkipWithError("the drawing does not identify cleanly");
  for (auto _ : state) {
    const bool conflict = mz::identifyZonesFully(pad, mz::SketchCopy::Current, false);
    benchmark::DoNotOptimize(conflict);
  }
  state.SetItemsProcessed(state.iterations() * rows * columns);
}
BENCHMARK(BM_IdentifyZones)->Args({58, 66})->Args({2000, 2000})->Unit(benchmark::kMicrosecond);

// One open area the size of the large grid: the fill alone.
void BM_FillOpenArea(benchmark::State& state) {
  const int extent = static_cast<int>(state.range(0));
  mz::ScriptedUi ui;
  mz::ErrorReporter reporter(ui);
  mz::SketchPad pad(reporter);
  pad.allocateLayers(extent, extent);
  for (auto _ : state) {
    pad.current().zones.fill(0);
    benchmark::DoNotOptimize(mz::fillZone(pad, mz::SketchCopy::Current, 0, 0, -1));
  }
  state.SetItemsProcessed(state.iterations() * extent * extent);
}
BENCHMARK(BM_FillOpenArea)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
