#pragma once

#include <vector>

#include "engine/map_model.h"

namespace delvora {

// The top-left pixel of a staircase's 16 x 16 tile.
struct StairsSpot {
  int x = 0;
  int y = 0;
  bool operator==(const StairsSpot&) const = default;
};

// Side of a staircase's tile in pixels, for both directions.
inline constexpr int kStairsSize = 16;

// What a level below the first starts from: its up staircases stand at the spots of the level
// above's down staircases, in that order. Empty for the first level.
struct LevelEntry {
  std::vector<StairsSpot> upStairs;
};

// The landing rooms of a level: one room per up staircase, on whole grid squares, one square of
// floor around the staircase's tile on every side (so the tile lies inside the floor, off the
// outline and clear of any door on it), clipped to the map. Landings that would overlap or touch
// are merged into one room around both. Ordered by their first staircase.
std::vector<Rect> landingRooms(const std::vector<StairsSpot>& upStairs, int mapWidth,
                               int mapHeight);

// True when the tile at spot lies inside rect with at least margin pixels to spare on every side.
bool tileInside(const StairsSpot& spot, const Rect& rect, int margin);

}  // namespace delvora
