#pragma once

#include <vector>

#include "engine/map_model.h"
#include "export/map_door.h"
#include "export/wall_geometry.h"

namespace delvora {

// The doors of lstDoors that join floor to floor on the map as drawn, in lstDoors order, one
// per opening: the door of an erased dead end leads into rock and is left out, and so is a door
// whose tile a clean-up painted over.
std::vector<MapDoor> liveDoors(const MapModel& model);

// Wall polylines in map pixels around the floor as drawn: the features of lstWalls (round rooms
// with their drawn corners, smoothed to a few segments each) less what the dead-end clean-ups
// painted as rock, with the wall lines that touching features share, and a gap at the opening
// of every door given. Steps of a pixel or two are straightened where no floor is lost.
// Collinear edges are merged and corners joined, so a lone room is one closed polyline of five
// points (the first repeated last).
std::vector<WallPolyline> traceWalls(const MapModel& model, const std::vector<MapDoor>& openings);

// The outline of the chasm across the floor (its edges against rock are walls already), in map
// pixels, simplified to within a pixel and a half; empty without a chasm.
std::vector<WallPolyline> traceChasm(const MapModel& model, const std::vector<MapDoor>& openings);

}  // namespace delvora
