// Timings of one whole generation ("Generate": seeding, dressing load, the run up to the grid)
// and of writing the largest map as a PNG, as delvora-cli writes it.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "dungeon/dungeon.h"
#include "files/atomic_file.h"
#include "render/png_writer.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/largest_settings.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

// Each generation lists its dressing folder: an empty one, as in a fresh folder of maps, so that
// the timing does not depend on the folder the benchmark is started in.
void runGenerations(benchmark::State& state, Settings settings) {
  const testing::ScratchDir dressingDir;
  settings.dressingDir = dressingDir.path().string();
  // One dungeon made again and again, as the map window keeps one.
  Dungeon dungeon;
  std::size_t features = 0;
  for (auto _ : state) {
    const GenerateReport report = dungeon.generate(settings);
    if (!report.ok()) {
      state.SkipWithError(report.error.c_str());
      break;
    }
    features = dungeon.model().lstWalls.size();
    benchmark::DoNotOptimize(dungeon.picture().row(0));
  }
  state.counters["features"] = static_cast<double>(features);
}

void BM_GenerateDefault(benchmark::State& state) {
  runGenerations(state, Settings{});
}
BENCHMARK(BM_GenerateDefault)->Unit(benchmark::kMillisecond);

void BM_GenerateLargest(benchmark::State& state) {
  runGenerations(state, testing::largestSettings());
}
BENCHMARK(BM_GenerateLargest)->Unit(benchmark::kMillisecond);

void BM_WritePng(benchmark::State& state) {
  const auto dungeon = testing::makeDungeon(testing::largestSettings());
  const testing::ScratchDir dir;
  const std::string path = dir.file("map.png");
  for (auto _ : state) {
    const std::string error =
        writeFileAtomically(path, Durability::Unsynced, [&](const FileSink& sink) {
          return encodePng(
              dungeon->picture(), kGridSize,
              [&sink](const std::uint8_t* data, std::size_t size) { return sink(data, size); });
        });
    if (!error.empty()) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
}
BENCHMARK(BM_WritePng)->Unit(benchmark::kMillisecond);

// The yardstick of the run's cost: one warm pass writing every byte of the largest picture.
void BM_FillLargestBitmap(benchmark::State& state) {
  const MapSize size = mapSizeFor(testing::largestSettings().mapSizeIndex);
  Bitmap bitmap(size.width, size.height);
  const std::size_t bytes = static_cast<std::size_t>(size.width) *
                            static_cast<std::size_t>(size.height) * Bitmap::kBytesPerPixel;
  int value = 0;
  for (auto _ : state) {
    std::memset(bitmap.row(0), value++ & 0xff, bytes);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillLargestBitmap)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace delvora

BENCHMARK_MAIN();
