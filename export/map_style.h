#pragma once

#include <string_view>

#include "dungeon/vector_options.h"
#include "engine/canvas.h"

namespace delvora {

// "classic" or "ink".
std::string_view mapStyleName(MapStyle style);

// The colours and line widths a style draws with, in map pixels.
struct StyleSheet {
  // The ground under everything: rock when the map shows its background.
  Rgb ground;
  Rgb floor;
  Rgb wall;
  double wallWidth = 1.5;
  Rgb grid;
  double gridWidth = 0.5;
  // Draw the grid over the floor only.
  bool gridOnFloorOnly = false;
  Rgb hatch;
  double hatchWidth = 0.3;
  Rgb river;
  Rgb chasm;
  // Draw the river and the chasm over the floor only, the chasm's floor edges as walls.
  bool bandsOnFloorOnly = false;
  // Door leaves: outline, and fill by kind; the mark drawn on concealed and secret doors.
  Rgb doorLine;
  Rgb door;
  Rgb concealedDoor;
  Rgb secretDoor;
  Rgb secretMark;
  double doorLineWidth = 0.6;
  // Staircases: the up flight's steps and the down well's floor, and their lines.
  Rgb stairsUp;
  Rgb stairsUpLine;
  Rgb stairsDown;
  Rgb stairsDownLine;
  Rgb label;
};

// The sheet of a style; showBackground is the map's "Show Background" (classic rock or white).
StyleSheet styleSheet(MapStyle style, bool showBackground);

}  // namespace delvora
