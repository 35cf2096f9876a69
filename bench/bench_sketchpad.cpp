// Zone identification of a level filled with rooms: the default 66 x 58 grid and a large one.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "foundation/Heap.h"
#include "sketchpad/SketchLayers.h"
#include "sketchpad/SketchStore.h"
#include "sketchpad/SketchText.h"
#include "sketchpad/SketchZones.h"
#include "ui/ScriptedUi.h"

namespace {

// Rooms of 7 x 5 cells on the wall lattice, each with its numbered zone icon.
std::string roomsDrawing(int rows, int columns) {
  std::vector<std::string> text(static_cast<std::size_t>(rows),
                                std::string(static_cast<std::size_t>(columns), '.'));
  const int lastRow = 1 + ((rows - 3) / 6) * 6;
  const int lastColumn = 1 + ((columns - 3) / 8) * 8;
  int zone = 0;
  for (int r = 1; r <= lastRow; ++r)
    for (int c = 1; c <= lastColumn; ++c) {
      const bool wallRow = (r - 1) % 6 == 0;
      const bool wallColumn = (c - 1) % 8 == 0;
      if (wallRow && wallColumn)
        text[r][c] = '+';
      else if (wallRow)
        text[r][c] = '-';
      else if (wallColumn)
        text[r][c] = '|';
      else if ((r - 1) % 6 == 2 && (c - 1) % 8 == 2 && r + 3 <= lastRow) {
        const std::string icon = "Z" + std::to_string(++zone);
        text[r].replace(static_cast<std::size_t>(c), icon.size(), icon);
        c += static_cast<int>(icon.size()) - 1;
      }
    }
  std::string out = "grid " + std::to_string(rows) + " " + std::to_string(columns) + "\n";
  for (const std::string& line : text) out += line + "\n";
  return out;
}

void BM_IdentifyZones(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const int columns = static_cast<int>(state.range(1));
  mz::ScriptedUi ui;
  mz::ErrorReporter reporter(ui);
  mz::SketchPad pad(reporter);
  std::vector<mz::LevelItem> items = mz::parseSketchText(roomsDrawing(rows, columns))->items;
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
