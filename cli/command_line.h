#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/dead_ends.h"
#include "engine/dimensions.h"
#include "engine/settings.h"
#include "export/map_style.h"
#include "print/battle_map/battle_map_options.h"
#include "print/print_module.h"

namespace delvora {

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
  // background.src of the Foundry scene; empty: "delvora/" and the name of its PNG.
  std::string foundryImageSource;
  // The map drawn as vectors: an SVG, and the battle map's PDF.
  std::string svgPath;
  std::string battleMapPath;
  // The style of both when given; else the SVG is classic and the battle map ink.
  std::optional<MapStyle> style;
  // Hatch the rock around the walls in both.
  bool hatching = false;
  // The battle map's square and paper.
  SquareSize square = SquareSize::Inch;
  PaperSize paper = PaperSize::A4;
  // Draw the map for players: no room numbers, concealed and secret doors as plain wall.
  bool playerMap = false;
  // Pixels per grid square (kGridSize map pixels) of the PNG and the exports' images, 1..1000; 0
  // when not given (see pngPxPerGrid and exportPxPerGrid).
  int pxPerGrid = 0;
  // Maps to make, of the seeds settings.seed, settings.seed + 1, ...; with more than one, every
  // output file name holds kSeedField.
  int count = 1;
  bool showHelp = false;
  bool showVersion = false;
};

// The scale of -o when --px-per-grid is not given: the map as drawn.
inline constexpr int kDrawnPxPerGrid = 16;
// The scale of the exports when --px-per-grid is not given: Foundry's own default grid.
inline constexpr int kDefaultExportPxPerGrid = 100;
// The largest of the tabletops' smallest scene grids (Foundry VTT v11's; v12 and later take
// 20): below it an export gets a warning.
inline constexpr int kSmallestTabletopGrid = 50;
// The largest side of a picture the tabletops load (a common WebGL texture limit) and of a PNG
// most readers open.
inline constexpr int kLargestTabletopPicture = 16384;
inline constexpr int kLargestPng = 65535;

// Pixels per grid square of -o and of the exports.
inline int pngPxPerGrid(const CliOptions& options) {
  return options.pxPerGrid > 0 ? options.pxPerGrid : kDrawnPxPerGrid;
}
inline int exportPxPerGrid(const CliOptions& options) {
  return options.pxPerGrid > 0 ? options.pxPerGrid : kDefaultExportPxPerGrid;
}

// The warning for a --px-per-grid given with an export below a tabletop's smallest grid, naming
// those tabletops; empty when there is none.
std::string smallGridWarning(const CliOptions& options);

// The look of the SVG and of the battle map.
MapLook svgLook(const CliOptions& options);
BattleMapOptions battleMapOptions(const CliOptions& options);

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

// Parses the arguments after the program name. Options take their value as the next argument or
// after "=" ("--seed 7", "--seed=7"); a later option overrides an earlier one. Parsing stops at
// --help or --version. A picture larger than its readers load (kLargestTabletopPicture a side for
// the exports, kLargestPng for -o) is an error naming the largest --px-per-grid that fits. With
// --count above 1, an output file name without kSeedField, or seeds past 4294967295, are bad
// values.
ParseResult parseCommandLine(const std::vector<std::string>& args);

}  // namespace delvora
