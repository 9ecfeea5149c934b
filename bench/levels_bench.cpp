// Timings of a dungeon of ten levels of the largest settings, every level's picture drawn, beside
// the single level of the same settings (BM_GenerateLargest).
#include <benchmark/benchmark.h>

#include "dungeon/levels.h"
#include "tests/support/largest_settings.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

void runLevels(benchmark::State& state, int count) {
  const testing::ScratchDir dressingDir;
  Settings settings = testing::largestSettings();
  settings.dressingDir = dressingDir.path().string();
  for (auto _ : state) {
    DungeonLevels levels;
    const GenerateReport report = levels.generate(settings, count);
    if (!report.ok()) {
      state.SkipWithError(report.error.c_str());
      break;
    }
    benchmark::DoNotOptimize(levels.level(count).picture().row(0));
  }
}

void BM_GenerateLargestLevels(benchmark::State& state) {
  runLevels(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_GenerateLargestLevels)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace delvora
