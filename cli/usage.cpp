#include "cli/usage.h"

#ifndef DELVORA_VERSION
#define DELVORA_VERSION "unknown"
#endif

namespace delvora {

std::string usageText() {
  return R"(Usage: delvora-cli [options]

Generates one dungeon exactly as "Generate" does (seed, dressing tables, the run), optionally
cleans up dead ends, and writes the files asked for; with --count, one after another.

Generation:
  --seed N                 seed of the random source, 0..4294967295 (default 66205318)
  --map-size WxH           640x480, 800x600, 1024x768 or 1280x1024 (default 800x600)
  --iterations N           build attempts, 1..100000 (default 250)
  --room-size S            tiny, small, medium or large (default small)
  --corridors S            straight, twisty or very-twisty (default straight)
  --stairs N               staircases, 0..10 (default 0)
  --no-number-rooms        do not number rooms (and so no dressing)
  --no-dressing            do not dress rooms and doors
  --no-grid                do not draw the grid
  --river, --chasm         draw a river / a chasm
  --no-background          plain white background instead of speckled rock
  --no-snap                do not snap positions to the 16-pixel grid
  --concealed N            percentage of concealed doors, 0..20 (default 13)
  --secret N               percentage of secret doors, 0..20 (default 3)
  --no-corridor-stairs     no staircases in corridors
  --dress-roll N           dress a room on a roll of N or below, 1..6 (default 1)
  --no-internal-dressing   pick only entries from dressing files
  --dressing-dir DIR       directory of the dressing files (default: current directory)
  --title TEXT             map title, the first line of the report (default empty)
  --dead-ends LIST         clean-ups after the run: some, few or some,few
  --count N                N maps, of the seeds S, S+1, ..., S+N-1 (S from --seed),
                           1..1000000 (default 1); with N > 1 every output file name
                           needs {seed}, which becomes the map's seed: -o map-{seed}.png

Output (nothing is written unless asked):
  -o, --output FILE        the map as a PNG (8-bit palette, the same RGB as drawn)
  --report FILE            the dressing report (CR LF line ends)
  --dump FILE              the model lists as text; - is standard output
  --print-map FILE         "Print Map" as PDF: the whole map on one landscape page
  --print-25mm FILE        "Print Map 25mm Scale" as PDF: 25.6 mm a grid square, many pages
  --print-dressing FILE    "Print Dressing" as PDF
  --export-svg FILE        the map drawn from the dungeon as an SVG in map pixels, one group
                           a layer (floor, water, grid, walls, doors, stairs, labels)
  --print-battlemap FILE   a battle map as PDF, made without Qt: the map at --square a grid
                           square over as many --paper pages as it needs, with overlap strips,
                           alignment marks and page labels (A1, A2, ...), after an overview of
                           the pages and the rooms' pages; pages of nothing but rock are left out
  --style S                classic or ink, the look of both (default: classic for --export-svg,
                           ink for --print-battlemap: white ground, black walls, little ink)
  --hatching               hatch the rock around the walls in both
  --square S               1in or 25.6mm, a grid square on the battle map (default 1in)
  --paper P                a4 or letter, the battle map's paper (default a4)
  --export-uvtt FILE       Universal VTT file: walls, doors and the map image in one JSON
  --export-foundry FILE    Foundry VTT scene JSON (v12 or later), its map image as a PNG
                           beside it (FILE with .json replaced by .png): copy that PNG into
                           the folder "delvora" of the Data folder in Foundry's user data
  --foundry-image-path P   where the scene finds its image, relative to Foundry's Data folder
                           (default delvora/ and the PNG's name)
  --player-map             draw the map for players: no room numbers, concealed and secret
                           doors as plain wall (same dungeon; used by every picture written)
  --px-per-grid N          pixels per grid square of the PNG and the exports' images, 1..1000
                           (default: 16 for -o, the map as drawn; 100 for the exports);
                           export pictures may be at most 16384 pixels a side, -o 65535
  --help                   show this text
  --version                show the version

Exit status: 0 done, 1 a dressing file or an output could not be read or written,
2 bad usage (nothing is written).
)";
}

std::string versionText() {
  return std::string("delvora-cli ") + DELVORA_VERSION + "\n";
}

}  // namespace delvora
