#include "cli/cli_run.h"

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_progress.h"
#include "cli/dump_writer.h"
#include "cli/print_outputs.h"
#include "cli/progress_line.h"
#include "dressing/dressing_tables.h"
#include "dressing/generate.h"
#include "dressing/report.h"
#include "engine/dead_ends.h"
#include "engine/map_model.h"
#include "export/foundry_export.h"
#include "export/scaled_png.h"
#include "export/uvtt_export.h"
#include "render/bitmap.h"
#include "render/player_canvas.h"
#include "render/raster_canvas.h"

namespace delvora {
namespace {

void printWarning(std::ostream& err, std::string_view text) {
  if (!text.starts_with("warning")) err << "warning: ";
  err << text << '\n';
}

// "Save Dressing As" is only offered when the run dressed the map; without dressing the CLI
// still writes the title block so that a requested file always appears.
std::vector<std::string> reportItems(const MapModel& model, const DressingTables& tables,
                                     const Settings& settings, std::ostream& err) {
  std::vector<std::string> items = buildDressingReport(model, tables, settings.title);
  if (!settings.dressing) {
    err << "note: dressing is off; the report holds only the title\n";
    items.resize(1);
  }
  return items;
}

}  // namespace

bool generateCliDungeon(const CliOptions& options, CliDungeon& dungeon, std::ostream& err) {
  const Settings& settings = options.settings;
  PlayerMapCanvas playerCanvas(dungeon.raster);
  Canvas& canvas = options.playerMap ? static_cast<Canvas&>(playerCanvas) : dungeon.raster;
  const GenerateResult result = generateDungeon(*dungeon.model, settings, dungeon.tables, canvas);
  for (const std::string& warning : result.load.warnings) printWarning(err, warning);
  if (!result.load.ok() || !result.generated) {
    err << (result.load.ok() ? "the generation did not run" : result.load.error) << '\n';
    return false;
  }
  if (result.run.stairsShortfall > 0) {
    err << "warning: placed " << settings.stairs - result.run.stairsShortfall << " of "
        << settings.stairs << " staircases\n";
  }
  StepContext ctx{*dungeon.model, settings, canvas};
  for (const DeadEndMode mode : options.deadEnds) CleanDeadEnds(ctx, mode);
  return true;
}

// Every output asked for is written, even after one fails, so each failure is reported.
bool writeCliOutputs(const CliOptions& options, const CliDungeon& dungeon, std::ostream& out,
                     std::ostream& err, bool errIsTerminal) {
  const MapModel& model = *dungeon.model;
  const DressingTables& tables = dungeon.tables;
  const Bitmap& map = dungeon.raster.bitmap();
  bool ok = true;
  const auto check = [&](const std::string& message) {
    if (message.empty()) return;
    err << message << '\n';
    ok = false;
  };
  if (!options.pngPath.empty()) {
    ProgressLine progress(err, options.pngPath, errIsTerminal);
    check(writeScaledPng(map, pngPxPerGrid(options), options.pngPath,
                         [&progress](int done, int rows) { progress.update(done, rows); }));
    progress.finish();
  }
  const int exportScale = exportPxPerGrid(options);
  if (!options.uvttPath.empty()) check(writeUvtt(model, map, exportScale, options.uvttPath));
  if (!options.foundryPath.empty()) {
    const FoundryScene scene{options.settings.title, exportScale, options.foundryImageSource};
    check(writeFoundryScene(model, map, scene, options.foundryPath));
  }
  if (!options.reportPath.empty()) {
    check(writeTextFile(options.reportPath, reportItems(model, tables, options.settings, err)));
  }
  if (!options.dumpPath.empty()) check(writeDump(model, options.dumpPath, out));
  for (const std::string& message :
       writePrintOutputs(options.print, model, map, tables, options.settings)) {
    check(message);
  }
  return ok;
}

namespace {

// One map: the whole of what a run of delvora-cli without --count does but the small-grid
// warning.
int runOne(const CliOptions& options, std::ostream& out, std::ostream& err, bool errIsTerminal) {
  CliDungeon dungeon;
  if (!generateCliDungeon(options, dungeon, err)) return kExitFailure;
  return writeCliOutputs(options, dungeon, out, err, errIsTerminal) ? kExitOk : kExitFailure;
}

// Each line of text with "seed N: " in front, so that a batch's messages say which map.
std::string withSeed(const std::string& text, std::uint32_t seed) {
  const std::string prefix = "seed " + std::to_string(seed) + ": ";
  std::string lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.append(prefix).append(line).append("\n");
  return lines;
}

}  // namespace

int runCli(const CliOptions& options, std::ostream& out, std::ostream& err, bool errIsTerminal) {
  if (const std::string warning = smallGridWarning(options); !warning.empty()) {
    err << warning << '\n';
  }
  if (options.count <= 1) return runOne(options, out, err, errIsTerminal);
  // The batch's progress takes the terminal; a map's own messages are gathered and marked.
  BatchProgress progress(err, errIsTerminal, options.count);
  for (int i = 0; i < options.count; ++i) {
    const std::uint32_t seed = options.settings.seed + static_cast<std::uint32_t>(i);
    std::ostringstream messages;
    const int status = runOne(optionsForSeed(options, seed), out, messages, false);
    progress.print(withSeed(messages.str(), seed));
    if (status != kExitOk) {
      progress.finish();
      return status;
    }
    progress.update(i + 1, seed);
  }
  progress.finish();
  return kExitOk;
}

}  // namespace delvora
