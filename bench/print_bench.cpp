// Timings of the palette step on the largest map and of the whole 25 mm PDF of it.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "dressing/dressing_tables.h"
#include "dressing/generate.h"
#include "engine/map_model.h"
#include "print/qt/headless_print_ui.h"
#include "print/rejig_pallete.h"
#include "render/clip_image.h"
#include "render/raster_canvas.h"

namespace delvora {
namespace {

// A full 1280x1024 map (or the 1600x1200 capacity size) with every feature on.
struct LargestMap {
  explicit LargestMap(int sizeIndex) {
    settings.mapSizeIndex = sizeIndex;
    settings.iterations = 3000;
    settings.roomSize = RoomSize::Large;
    settings.stairs = 10;
    settings.river = true;
    settings.chasm = true;
    generateDungeon(*model, settings, tables, canvas);
  }
  Settings settings;
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  DressingTables tables;
  RasterCanvas canvas;
};

void BM_ReJigPallete(benchmark::State& state) {
  const LargestMap map(static_cast<int>(state.range(0)));
  std::size_t colours = 0;
  for (auto _ : state) {
    const PaletteResult result = ReJigPallete(map.canvas.bitmap());
    colours = result.image.palette.size();
    benchmark::DoNotOptimize(result.image.indices.data());
  }
  state.counters["colours"] = static_cast<double>(colours);
}
BENCHMARK(BM_ReJigPallete)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

QGuiApplication& guiApplication() {
  static int argc = 1;
  static char name[] = "delvora_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  return app;
}

int pdfPages(const std::string& path) {
  FILE* pipe = popen(("pdfinfo '" + path + "' 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return 0;
  char line[256];
  int pages = 0;
  while (std::fgets(line, sizeof line, pipe) != nullptr) std::sscanf(line, "Pages: %d", &pages);
  pclose(pipe);
  return pages;
}

void BM_Print25mmPdf(benchmark::State& state) {
  guiApplication();
  const LargestMap map(3);
  const std::string path =
      (std::filesystem::temp_directory_path() / "delvora-bench-25mm.pdf").string();
  const PrintSource source{*map.model,   map.canvas.bitmap(),    map.tables,
                           map.settings, "Delvora Demo - Bench", std::nullopt};
  for (auto _ : state) {
    PrintSession session;
    session.pdfPath = path;
    HeadlessPrintUi ui;
    printMap25mm(session, source, ui);
    const std::string last = ui.messages.empty() ? std::string() : ui.messages.back();
    if (last != "Printing Completed!") {
      state.SkipWithError(last.c_str());
      break;
    }
  }
  const Bitmap clip = ClipImage(map.model->grid, map.canvas.bitmap());
  state.counters["clipWidth"] = clip.width();
  state.counters["clipHeight"] = clip.height();
  state.counters["pages"] = pdfPages(path);
  std::error_code ignored;
  state.counters["megabytes"] =
      static_cast<double>(std::filesystem::file_size(path, ignored)) / 1e6;
  std::filesystem::remove(path, ignored);
}
BENCHMARK(BM_Print25mmPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace delvora
