// Timings of the palette step on the largest map and of the whole 25 mm PDF of it.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "print/qt/headless_print_ui.h"
#include "print/rejig_pallete.h"
#include "render/clip_image.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/largest_settings.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

// The largest map, at 1280x1024 or at the 1600x1200 capacity size.
std::unique_ptr<Dungeon> largestMap(MapSizeIndex sizeIndex) {
  Settings settings = testing::largestSettings();
  settings.mapSizeIndex = sizeIndex;
  settings.title = "Bench";
  return testing::makeDungeon(settings);
}

void BM_ReJigPallete(benchmark::State& state) {
  const auto map = largestMap(static_cast<MapSizeIndex>(state.range(0)));
  std::size_t colours = 0;
  for (auto _ : state) {
    const PaletteResult result = ReJigPallete(map->picture());
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
  const auto map = largestMap(MapSizeIndex::Size1280x1024);
  const testing::ScratchDir dir;
  const std::string path = dir.file("25mm.pdf");
  const PrintSource source{*map, std::nullopt};
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
  const Bitmap clip = ClipImage(map->model().grid, map->picture());
  state.counters["clipWidth"] = clip.width();
  state.counters["clipHeight"] = clip.height();
  state.counters["pages"] = pdfPages(path);
  std::error_code ignored;
  state.counters["megabytes"] =
      static_cast<double>(std::filesystem::file_size(path, ignored)) / 1e6;
}
BENCHMARK(BM_Print25mmPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace delvora
