#pragma once

#include <ostream>

#include "cli/command_line.h"

namespace delvora {

// A dungeon of options.settings.levels levels (more than one): generates them, runs the clean-ups
// on each, writes every level's own outputs (optionsForLevel) and the outputs that hold every level
// (the report without kLevelField, the JSON). Returns kExitOk or kExitFailure.
int runLevels(const CliOptions& options, std::ostream& out, std::ostream& err, bool errIsTerminal);

}  // namespace delvora
