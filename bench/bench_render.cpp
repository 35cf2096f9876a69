// Redrawing the SketchPad: a full 66 x 58 level of rooms at cell size 16 after an edit, the
// level below shown behind it, and the bitmap file of the same picture.

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "BenchDrawings.h"
#include "foundation/Heap.h"
#include "sketchpad/Bitmap.h"
#include "sketchpad/Output.h"
#include "sketchpad/SketchPlace.h"
#include "sketchpad/SketchStore.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/SketchText.h"
#include "ui/ScriptedUi.h"

namespace {

struct Level {
  mz::ScriptedUi ui;
  mz::ErrorReporter reporter{ui};
  mz::SketchPad pad{reporter};
  std::vector<mz::LevelItem> items;
  std::vector<mz::LevelItem> below;
  Level() {
    items = mz::parseSketchText(mz::bench::roomsDrawing(58, 66))->items;
    below = items;
    pad.allocateLayers(58, 66);
    pad.setHasSubLevel(true);
    mz::loadLevel(pad, below, mz::SketchCopy::Sub);
    mz::loadLevel(pad, items, mz::SketchCopy::Current);
  }
};

mz::RenderScene sceneAt(int cellSize) {
  mz::RenderScene scene;
  scene.cellSize = cellSize;
  scene.showSubLevel = true;
  scene.showLinks = true;
  scene.cursor = mz::CellPos{5, 5};
  return scene;
}

void BM_RedrawLevelAfterEdit(benchmark::State& state) {
  Level level;
  const mz::RenderScene scene = sceneAt(static_cast<int>(state.range(0)));
  bool on = false;
  for (auto _ : state) {
    // The edit: an icon comes and goes on a room cell.
    on = !on;
    level.pad.current().sketch.at(4, 4) = on ? mz::icon::kSourceSink : 0;
    mz::PixelBuffer buffer = mz::renderGrid(level.pad, scene);
    benchmark::DoNotOptimize(buffer.pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * 58 * 66);
}
BENCHMARK(BM_RedrawLevelAfterEdit)->Arg(16)->Arg(8)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_BitmapBytes(benchmark::State& state) {
  Level level;
  const mz::PixelBuffer buffer = mz::renderGrid(level.pad, sceneAt(16));
  const std::array<std::array<std::uint8_t, 3>, 2> colours = {{{255, 255, 255}, {0, 0, 0}}};
  for (auto _ : state) benchmark::DoNotOptimize(mz::bmpBytes(buffer, colours).size());
}
BENCHMARK(BM_BitmapBytes)->Unit(benchmark::kMillisecond);

}  // namespace
