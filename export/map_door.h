#pragma once

#include <string_view>

#include "engine/records.h"
#include "export/wall_geometry.h"

namespace delvora {

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

// The door of a door record.
MapDoor mapDoor(std::string_view record);

// The wall line the door's tile straddles: a y for a door in a horizontal wall, else an x.
int wallLine(const MapDoor& door);

// The cells a door joins across its wall line: its whole depth, less the tile's frame.
Rect bridgeOf(const MapDoor& door);

}  // namespace delvora
