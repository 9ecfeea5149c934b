#pragma once

#include <vector>

#include "engine/map_model.h"

namespace delvora {

// A point in map pixels.
struct MapPoint {
  int x = 0;
  int y = 0;
  bool operator==(const MapPoint&) const = default;
};

using WallPolyline = std::vector<MapPoint>;

// A door of lstDoors as the exports see it.
struct MapDoor {
  Rect tile;
  // 'H' (in a horizontal wall) or 'V'.
  char orientation = 'H';
  // 'A' archway, 'N' door, 'C' concealed door, 'S' secret door.
  char kind = 'A';
  // The opening across the wall line the tile straddles (2 pixels into the tile), in map
  // pixels: the tile's span less its one-pixel frame at each end.
  MapPoint from;
  MapPoint to;
};

// The doors of lstDoors that join floor to floor on the map as drawn, in lstDoors order, one
// per opening: the door of an erased dead end leads into rock and is left out.
std::vector<MapDoor> liveDoors(const MapModel& model);

// Wall polylines in map pixels: the outline of the floor of the features still drawn (lstWalls
// less lstErased; round rooms count as their rectangle, as in the occupancy grid), with the
// wall lines that touching features share, and a gap at the opening of every door given.
// Collinear edges are merged and corners joined, so a lone room is one closed polyline of five
// points (the first repeated last).
std::vector<WallPolyline> traceWalls(const MapModel& model, const std::vector<MapDoor>& openings);

}  // namespace delvora
