#pragma once

#include <string>
#include <vector>

#include "engine/dead_ends.h"
#include "engine/dimensions.h"
#include "engine/settings.h"

namespace delvora {

// The PDFs asked for on the command line; empty means "not written".
struct PrintPaths {
  std::string map;
  std::string map25mm;
  std::string dressing;
  bool any() const { return !map.empty() || !map25mm.empty() || !dressing.empty(); }
};

// Everything one delvora-cli invocation asks for: the generation settings, the clean-ups to run
// after the generation and the files to write.
struct CliOptions {
  Settings settings;
  // Dead-end clean-ups in the order they run: none, Some, A Few, or Some then A Few.
  std::vector<DeadEndMode> deadEnds;
  // Output paths; empty means "not written". A dump path of "-" is standard output.
  std::string pngPath;
  std::string reportPath;
  std::string dumpPath;
  // PDFs of the three print commands.
  PrintPaths print;
  // Virtual-tabletop exports: a Universal VTT file, and a Foundry VTT scene with its PNG.
  std::string uvttPath;
  std::string foundryPath;
  // Draw the map for players: no room numbers, concealed and secret doors as plain wall.
  bool playerMap = false;
  // Pixels per grid square of the PNG and the exports' images, 1..1000; kGridSize draws the map
  // as it is.
  int pxPerGrid = kGridSize;
  bool showHelp = false;
  bool showVersion = false;
};

// The outcome of parsing: the options, or one line naming the bad option and what it accepts.
struct ParseResult {
  CliOptions options;
  std::string error;
  bool ok() const { return error.empty(); }
};

// Parses the arguments after the program name. Options take their value as the next argument or
// after "=" ("--seed 7", "--seed=7"); a later option overrides an earlier one. Parsing stops at
// --help or --version.
ParseResult parseCommandLine(const std::vector<std::string>& args);

}  // namespace delvora
