#pragma once

#include <ostream>
#include <string_view>

#include "cli/command_line.h"
#include "dungeon/dungeon.h"

namespace delvora {

constexpr int kExitOk = 0;
// A dressing file could not be loaded or an output could not be written.
constexpr int kExitFailure = 1;
// Bad usage; nothing was written.
constexpr int kExitUsage = 2;

// Whom the options ask the pictures to be drawn for.
inline Audience audienceOf(const CliOptions& options) {
  return options.playerMap ? Audience::Players : Audience::GameMaster;
}

// Writes a generation's warnings to err, "warning: " before each, and its error; a staircase
// shortfall as "warning: placed N of M staircases" and where. False when it failed.
bool reportGeneration(const GenerateReport& report, int stairs, std::string_view where,
                      std::ostream& err);

// Generates the dungeon the options describe ("Generate": seed, dressing load, run) and runs the
// dead-end clean-ups in order. Warnings and errors go to err; false when no run could be made.
bool generateCliDungeon(const CliOptions& options, Dungeon& dungeon, std::ostream& err);

// The small-grid warning, generateCliDungeon, then writeCliOutputs. With a count above 1, does
// that for each seed in turn, each map exactly as a run for its seed alone, its messages marked
// with its seed, stopping at the first map that fails; when err is a terminal, a batch that
// takes over a second shows its progress there. With --vtt, the tabletop's counts and warnings go
// to err first, and an export past one of its hard limits writes nothing and returns kExitUsage.
// Returns kExitOk, kExitFailure or kExitUsage.
int runCli(const CliOptions& options, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false);

}  // namespace delvora
