#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "dungeon/option_parser.h"

namespace delvora {

// The output file options given a file name; "-" (standard output) is no file.
std::vector<const OptionRow*> outputFiles(const CliOptions& options);

// Every field ("{seed}", "{level}") in text replaced by value.
void replaceAll(std::string& text, std::string_view field, std::string_view value);

// One line when two outputs would write the same file, naming both options as typed
// ("-o and --export-foundry both write vault.png"), counting the picture the Foundry scene writes
// beside itself; empty when every output has a file of its own. Names are compared as absolute,
// normalised paths; standard output ("-") is no file.
std::string sameFileError(const CliOptions& options, const std::vector<GivenOption>& given);

}  // namespace delvora
