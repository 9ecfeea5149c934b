#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "dungeon/option_parser.h"

namespace delvora {

// Replaced in output file names by the level's number. Every output but three is written per
// level; --report per level when its name holds it, else once with every level; --export-json
// always once with every level, and --export-foundry too for Foundry VTT v14 (one scene per
// level, named with this field, for v12 and v13).
inline constexpr const char* kLevelField = "{level}";

// With settings.levels above 1: no staircases to join the levels, or a per-level file name
// without kLevelField, as one line naming the option (as it was given); else "".
std::string checkLevels(const CliOptions& options, const std::vector<GivenOption>& given);

// The options of level `level` (from 1) of a dungeon of several levels: kLevelField replaced by
// it in every file name that holds it, and the outputs written with every level in view (those
// without it, the JSON and the Foundry scenes) left out.
CliOptions optionsForLevel(const CliOptions& options, int level);

}  // namespace delvora
