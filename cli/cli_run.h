#pragma once

#include <memory>
#include <ostream>

#include "cli/command_line.h"
#include "dressing/dressing_tables.h"
#include "engine/map_model.h"
#include "render/raster_canvas.h"

namespace delvora {

constexpr int kExitOk = 0;
// A dressing file could not be loaded or an output could not be written.
constexpr int kExitFailure = 1;
// Bad usage; nothing was written.
constexpr int kExitUsage = 2;

// The dungeon of one run of the command line: what its outputs are written from.
struct CliDungeon {
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  DressingTables tables;
  // The map as drawn, for the game master or for the players as the options say.
  RasterCanvas raster;
};

// Generates the dungeon the options describe ("Generate": seed, dressing load, run) and runs the
// dead-end clean-ups in order. Warnings and errors go to err; false when no run could be made.
bool generateCliDungeon(const CliOptions& options, CliDungeon& dungeon, std::ostream& err);

// Writes the PNG, the report, the dump and the exports asked for, each even after another
// failed. Errors go to err, a dump to "-" goes to out; when err is a terminal, a PNG that takes
// over a second to write shows its progress there. False when any output failed.
bool writeCliOutputs(const CliOptions& options, const CliDungeon& dungeon, std::ostream& out,
                     std::ostream& err, bool errIsTerminal = false);

// The small-grid warning, generateCliDungeon, then writeCliOutputs. With a count above 1, does
// that for each seed in turn, each map exactly as a run for its seed alone, its messages marked
// with its seed, stopping at the first map that fails; when err is a terminal, a batch that
// takes over a second shows its progress there. Returns kExitOk or kExitFailure.
int runCli(const CliOptions& options, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false);

}  // namespace delvora
