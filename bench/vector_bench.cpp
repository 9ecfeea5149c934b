// Timings of the map drawn as vectors on the largest map: its SVG, and its battle map as a PDF
// (A4, 1 inch squares, ink), each with the size of what it writes. BM_Print25mmPdf, in the same
// run, is the 25 mm print of the same map.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "export/map_drawing.h"
#include "export/svg_export.h"
#include "print/battle_map/battle_map_layout.h"
#include "print/battle_map/battle_map_pdf.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/largest_settings.h"

namespace delvora {
namespace {

std::unique_ptr<Dungeon> largestMap() {
  Settings settings = testing::largestSettings();
  settings.title = "Bench";
  return testing::makeDungeon(settings);
}

void BM_TraceMap(benchmark::State& state) {
  const auto map = largestMap();
  for (auto _ : state) {
    const TracedMap traced = traceMap(map->model(), kOpeningKinds);
    benchmark::DoNotOptimize(traced.walls.data());
  }
}
BENCHMARK(BM_TraceMap)->Unit(benchmark::kMillisecond);

void BM_SvgLargest(benchmark::State& state) {
  const auto map = largestMap();
  const MapLook look{static_cast<MapStyle>(state.range(0)), false};
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string svg = svgFile(*map, Audience::GameMaster, look);
    bytes = svg.size();
    benchmark::DoNotOptimize(svg.data());
  }
  state.counters["kilobytes"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_SvgLargest)
    ->Arg(static_cast<int>(MapStyle::Classic))
    ->Arg(static_cast<int>(MapStyle::Ink))
    ->Unit(benchmark::kMillisecond);

void BM_BattleMapPdfLargest(benchmark::State& state) {
  const auto map = largestMap();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string pdf = battleMapPdf(*map, Audience::GameMaster, {});
    bytes = pdf.size();
    benchmark::DoNotOptimize(pdf.data());
  }
  const MapDrawing drawing = mapDrawing(*map, Audience::GameMaster);
  const BattleMapLayout layout =
      battleMapLayout(drawing.traced, drawing.width, drawing.height, BattleMapOptions{});
  state.counters["pages"] = 1 + layout.keptCount();
  state.counters["megabytes"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_BattleMapPdfLargest)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace delvora
