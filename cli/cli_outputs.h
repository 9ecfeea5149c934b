#pragma once

#include <ostream>

#include "cli/command_line.h"
#include "dungeon/dungeon.h"

namespace delvora {

// Writes the PNG, the report, the dump, the exports, the dungeon JSON and the printouts asked
// for, each even after another failed; every file goes through an atomic write. Errors go to
// err, a dump or JSON to "-" goes to out; when err is a terminal, a PNG that takes over a second
// to write shows its progress there. False when any output failed.
bool writeCliOutputs(const CliOptions& options, const Dungeon& dungeon, std::ostream& out,
                     std::ostream& err, bool errIsTerminal = false);

}  // namespace delvora
