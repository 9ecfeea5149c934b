#pragma once

#include <ostream>

#include "cli/command_line.h"

namespace delvora {

constexpr int kExitOk = 0;
// A dressing file could not be loaded or an output could not be written.
constexpr int kExitFailure = 1;
// Bad usage; nothing was written.
constexpr int kExitUsage = 2;

// Generates the dungeon the options describe ("Generate": seed, dressing load, run), runs the
// dead-end clean-ups in order and writes the PNG, the report, the dump and the exports asked for.
// Warnings and errors go to err, a dump to "-" goes to out; when err is a terminal, a PNG that
// takes over a second to write shows its progress there. Returns kExitOk or kExitFailure.
int runCli(const CliOptions& options, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false);

}  // namespace delvora
