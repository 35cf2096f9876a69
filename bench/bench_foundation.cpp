// Token reader throughput over a generated data file.

#include <benchmark/benchmark.h>

#include <string>

#include "foundation/Heap.h"
#include "foundation/Utils.h"
#include "ui/ScriptedUi.h"

namespace {

std::string makeData(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i)
    text += std::to_string(i) + " 1 0 2.5 3.75 -1 zone" + std::to_string(i) + " ! comment\n";
  return text;
}

void BM_TokenizeFile(benchmark::State& state) {
  const std::string data = makeData(static_cast<int>(state.range(0)));
  mz::ScriptedUi ui;
  mz::ErrorReporter reporter(ui);
  mz::TokenReader reader(reporter);
  std::string token;
  for (auto _ : state) {
    reader.openText(data);
    long n = 0;
    while (reader.readToken(token, mz::ReadMode::NextToken)) ++n;
    benchmark::DoNotOptimize(n);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_TokenizeFile)->Arg(1000)->Arg(100000);

}  // namespace
