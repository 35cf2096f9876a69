// Reading and writing a generated project file: levels of 500 zones and 500 paths each, up to
// 20 levels with 10,000 zones and 10,000 paths. Both should grow linearly with the file's size.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "foundation/Heap.h"
#include "model/Project.h"
#include "prjfile/PrjFile.h"
#include "ui/ScriptedUi.h"

namespace mz {
namespace {

constexpr int kZonesPerLevel = 500;
constexpr int kPerRow = 50;

std::unique_ptr<Project> generated(int levelCount) {
  auto p = std::make_unique<Project>();
  AirflowElement e;
  e.type = 5;
  e.icon = 23;
  e.name = "crack";
  e.typeData = PowerLawData{};
  Ref<AirflowElement> element = ElementList<AirflowElement>::ref(&p->airflowElements.addElement(e));
  Level* below = nullptr;
  for (int l = 0; l < levelCount; ++l) {
    Level& level = p->addLevel(below);
    Ref<Level> ref = Levels::ref(&level);
    for (int k = 0; k < kZonesPerLevel; ++k) {
      Zone z = p->newZone();
      z.name = "z" + std::to_string(k);
      z.level = ref;
      z.Vol = 30.0f + static_cast<float>(k % 7);
      z.T0 = 293.15f;
      int zone = p->addZone(z);
      AirflowPath path;
      path.from = k == 0 ? Ref<Zone>::ambient() : p->zones.ref(zone - 1);
      path.to = p->zones.ref(zone);
      path.element = element;
      path.level = ref;
      path.mult = 1.0f;
      path.icn = 23;
      path.dir = 2;
      int pathNumber = p->addPath(path);
      auto row = static_cast<std::int16_t>(1 + (k / kPerRow) * 2);
      auto col = static_cast<std::int16_t>(1 + (k % kPerRow) * 2);
      level.items.push_back({row, col, 5, zone});
      level.items.push_back({row, static_cast<std::int16_t>(col + 1), 23, pathNumber});
    }
    below = &level;
  }
  return p;
}

const ProjectFileInfo kInfo{30, 110, false, false};

void BM_WriteProject(benchmark::State& state) {
  ScriptedUi ui;
  ErrorReporter reporter(ui);
  auto project = generated(static_cast<int>(state.range(0)));
  std::string text;
  for (auto _ : state) {
    if (!writeProjectText(reporter, *project, kInfo, text)) state.SkipWithError("write failed");
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}

void BM_ReadProject(benchmark::State& state) {
  ScriptedUi ui;
  ErrorReporter reporter(ui);
  auto source = generated(static_cast<int>(state.range(0)));
  std::string text;
  writeProjectText(reporter, *source, kInfo, text);
  for (auto _ : state) {
    auto project = std::make_unique<Project>();
    ProjectFileInfo info;
    if (readProjectText(reporter, project, info, text) != 0) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(project.get());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_WriteProject)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ReadProject)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace mz
