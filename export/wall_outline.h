#pragma once

#include <cstdint>
#include <string_view>
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

// The map as drawn, traced once for everything a drawing of it needs.
struct TracedMap {
  // liveDoors(model).
  std::vector<MapDoor> doors;
  // The doors the map shows, live or not: those of lstDoors whose tile no clean-up painted over,
  // one per opening, in lstDoors order.
  std::vector<MapDoor> shown;
  // The doors that open the walls: those of doors whose kind was given.
  std::vector<MapDoor> openings;
  // traceWalls(model, openings).
  std::vector<WallPolyline> walls;
  // The outline of the floor, through the openings, straightened and with round rooms' chords
  // as the walls are: closed loops whose even-odd fill is the floor.
  std::vector<WallPolyline> floor;
  // traceChasm(model, openings).
  std::vector<WallPolyline> chasm;
  // Whether each grid square (kGridSize pixels a side, from the top-left corner) holds floor:
  // squaresAcross a row, row by row.
  int squaresAcross = 0;
  int squaresDown = 0;
  std::vector<std::uint8_t> floorSquares;

  bool floorInSquare(int column, int row) const {
    return column >= 0 && row >= 0 && column < squaresAcross && row < squaresDown &&
           floorSquares[static_cast<std::size_t>(row) * static_cast<std::size_t>(squaresAcross) +
                        static_cast<std::size_t>(column)] != 0;
  }
};

// Traces the map from one floor plan; openingKinds holds the door kinds ('A', 'N', 'C', 'S')
// that open the walls.
TracedMap traceMap(const MapModel& model, std::string_view openingKinds);

}  // namespace delvora
