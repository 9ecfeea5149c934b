#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "dungeon/option_parser.h"

namespace delvora {

// One line when two outputs would write the same file, naming both options as typed
// ("-o and --export-foundry both write vault.png"), counting the picture the Foundry scene writes
// beside itself; empty when every output has a file of its own. Names are compared as absolute,
// normalised paths; standard output ("-") is no file.
std::string sameFileError(const CliOptions& options, const std::vector<GivenOption>& given);

}  // namespace delvora
