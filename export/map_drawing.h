#pragma once

#include <vector>

#include "dungeon/dungeon.h"
#include "export/wall_outline.h"
#include "export/wall_shapes.h"

namespace delvora {

// A staircase: its 16 x 16 square in map pixels and which way it leads.
struct StairsMark {
  Rect rect;
  bool down = false;
};

// A room's number where the map writes it: the room's rectangle, the number's top-left corner
// 8 pixels in from the room's.
struct RoomLabel {
  int number = 0;
  Rect room;
};

// Everything a vector drawing of the dungeon shows, read from the model as the map drew it for
// one audience, in map pixels.
struct MapDrawing {
  int width = 0;
  int height = 0;
  // The map's "Show Background" and "Show Grid".
  bool background = true;
  bool grid = true;
  // Doors, walls (ordinary doors and archways open them, as in the tabletop exports), the
  // floor's outline, the chasm's edges and the squares that hold floor.
  TracedMap traced;
  // The round rooms' corners, which the outlines follow as arcs.
  RoundCorners corners;
  // The doors drawn: every door the map shows, less concealed and secret ones for players.
  std::vector<MapDoor> doors;
  std::vector<StairsMark> stairs;
  // The room numbers; none for players or when rooms are not numbered.
  std::vector<RoomLabel> labels;
  std::vector<CoursePoint> river;
  std::vector<CoursePoint> chasm;
};

// The door kinds that open walls in every vector drawing and tabletop export.
inline constexpr const char* kOpeningKinds = "NA";

MapDrawing mapDrawing(const Dungeon& dungeon, Audience audience);

}  // namespace delvora
