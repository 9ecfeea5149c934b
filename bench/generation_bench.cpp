// Timings of one whole generation ("Generate": seeding, dressing load, the run up to the grid)
// and of writing the largest map as a PNG.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "dressing/dressing_tables.h"
#include "dressing/generate.h"
#include "engine/map_model.h"
#include "engine/settings.h"
#include "render/png_writer.h"
#include "render/raster_canvas.h"

namespace delvora {
namespace {

// The heaviest run the options windows allow.
Settings largestSettings() {
  Settings settings;
  settings.mapSizeIndex = 3;
  settings.iterations = 3000;
  settings.roomSize = RoomSize::Large;
  settings.corridorStyle = CorridorStyle::VeryTwisty;
  settings.stairs = 10;
  settings.river = true;
  settings.chasm = true;
  settings.dressRoll = 6;
  settings.drawGrid = true;
  settings.showBackground = true;
  return settings;
}

void runGenerations(benchmark::State& state, const Settings& settings) {
  const auto model = std::make_unique<MapModel>();
  RasterCanvas canvas;
  DressingTables tables;
  std::size_t features = 0;
  for (auto _ : state) {
    model->clearMapLists();
    const GenerateResult result = generateDungeon(*model, settings, tables, canvas);
    if (!result.generated) {
      state.SkipWithError(result.load.error.c_str());
      break;
    }
    features = model->lstWalls.size();
    benchmark::DoNotOptimize(canvas.bitmap().row(0));
  }
  state.counters["features"] = static_cast<double>(features);
}

void BM_GenerateDefault(benchmark::State& state) {
  runGenerations(state, Settings{});
}
BENCHMARK(BM_GenerateDefault)->Unit(benchmark::kMillisecond);

void BM_GenerateLargest(benchmark::State& state) {
  runGenerations(state, largestSettings());
}
BENCHMARK(BM_GenerateLargest)->Unit(benchmark::kMillisecond);

void BM_WritePng(benchmark::State& state) {
  const auto model = std::make_unique<MapModel>();
  RasterCanvas canvas;
  DressingTables tables;
  generateDungeon(*model, largestSettings(), tables, canvas);
  const std::string path =
      (std::filesystem::temp_directory_path() / "delvora-bench-map.png").string();
  for (auto _ : state) {
    const std::string error = writePng(canvas.bitmap(), path);
    if (!error.empty()) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}
BENCHMARK(BM_WritePng)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace delvora

BENCHMARK_MAIN();
