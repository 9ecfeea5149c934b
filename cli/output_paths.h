#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/command_line.h"

namespace delvora {

// One line when two outputs would write the same file, naming both options as typed
// ("-o and --export-foundry both write vault.png"), counting the picture the Foundry scene writes
// beside itself; empty when every output has a file of its own. Names are compared as absolute,
// normalised paths; standard output ("-") is no file. typedNames holds, per option given, its
// long name and the name it was typed as.
std::string sameFileError(
    const CliOptions& options,
    const std::vector<std::pair<std::string_view, std::string_view>>& typedNames);

}  // namespace delvora
