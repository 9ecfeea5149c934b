#pragma once

#include <string>
#include <vector>

#include "engine/dead_ends.h"
#include "engine/settings.h"

namespace delvora {

// The PDFs of the three print commands asked for; empty means "not written".
struct PrintPaths {
  std::string map;
  std::string map25mm;
  std::string dressing;
  bool any() const { return !map.empty() || !map25mm.empty() || !dressing.empty(); }
};

// Everything the options of one run ask for: the generation settings, the clean-ups to run after
// the generation, how pictures are drawn and the files to write. The command line fills all of
// it, the web page what its form and links offer.
struct RunOptions {
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
  // The dungeon as a JSON document; "-" is standard output.
  std::string jsonPath;
  // background.src of the Foundry scene; empty: "delvora/" and the name of its PNG.
  std::string foundryImageSource;
  // Draw the map for players: no room numbers, concealed and secret doors as plain wall.
  bool playerMap = false;
  // Pixels per grid square (kGridSize map pixels) of the PNG and the exports' images, 1..1000; 0
  // when not given (see pngPxPerGrid and exportPxPerGrid).
  int pxPerGrid = 0;
  // Maps to make, of the seeds settings.seed, settings.seed + 1, ...; with more than one, every
  // output file name holds kSeedField.
  int count = 1;
  // The Foundry VTT release --export-foundry writes for (12, 13 or 14). It matters only with
  // several levels (settings.levels): 14 stacks them in one scene, 12 and 13 get a scene per
  // level.
  int foundryVersion = 14;
  bool showHelp = false;
  bool showVersion = false;
};

// The scale of the PNG when --px-per-grid is not given: the map as drawn.
inline constexpr int kDrawnPxPerGrid = 16;
// The scale of the exports when --px-per-grid is not given: Foundry's own default grid.
inline constexpr int kDefaultExportPxPerGrid = 100;

// Pixels per grid square of the PNG and of the exports.
inline int pngPxPerGrid(const RunOptions& options) {
  return options.pxPerGrid > 0 ? options.pxPerGrid : kDrawnPxPerGrid;
}
inline int exportPxPerGrid(const RunOptions& options) {
  return options.pxPerGrid > 0 ? options.pxPerGrid : kDefaultExportPxPerGrid;
}

// The largest of the tabletops' smallest scene grids (Foundry VTT v11's; v12 and later take
// 20): below it an export gets a warning.
inline constexpr int kSmallestTabletopGrid = 50;
// The largest side of a picture the tabletops load (a common WebGL texture limit) and of a PNG
// most readers open.
inline constexpr int kLargestTabletopPicture = 16384;
inline constexpr int kLargestPng = 65535;

// The longer side in pixels of the map of settings drawn at pxPerGrid pixels a grid square.
long long pictureSide(const Settings& settings, int pxPerGrid);

}  // namespace delvora
