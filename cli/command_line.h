#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dungeon/run_options.h"

namespace delvora {

// Everything one delvora-cli invocation asks for: the run's options as the option table fills
// them.
using CliOptions = RunOptions;

// The warning for a --px-per-grid given with an export below a tabletop's smallest grid, naming
// those tabletops; empty when there is none.
std::string smallGridWarning(const CliOptions& options);

// Replaced in output file names by the map's seed.
inline constexpr const char* kSeedField = "{seed}";

// The options of the map of one seed: the seed set and kSeedField in every output file name
// replaced by it.
CliOptions optionsForSeed(const CliOptions& options, std::uint32_t seed);

// The outcome of parsing: the options, or one line naming the bad option and what it accepts.
struct ParseResult {
  CliOptions options;
  std::string error;
  bool ok() const { return error.empty(); }
};

// Parses the arguments after the program name with the option table (see parseArguments). A picture
// larger than its readers load (kLargestTabletopPicture a side for the exports, kLargestPng for -o)
// is an error naming the largest --px-per-grid that fits. With
// --count above 1, an output file name without kSeedField, or seeds past 4294967295, are bad
// values; so are, with --levels above 1, no staircases to join them and a per-level file name
// without kLevelField (checkLevels).
ParseResult parseCommandLine(const std::vector<std::string>& args);

}  // namespace delvora
