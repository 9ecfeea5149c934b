#include "engine/landings.h"

#include <algorithm>

#include "engine/dimensions.h"
#include "engine/steps.h"

namespace delvora {

namespace {

int floorToGrid(int value) {
  return value >= 0 ? value / kGridSize * kGridSize
                    : -((-value + kGridSize - 1) / kGridSize) * kGridSize;
}

int ceilToGrid(int value) {
  return floorToGrid(value + kGridSize - 1);
}

// Closed rectangles that share a cell (an outline pixel included) cannot both be features.
bool meet(const Rect& a, const Rect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

Rect around(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// One square of floor around the tile, beyond the outline pixel, rounded out to the grid.
Rect landingFor(const StairsSpot& spot, int mapWidth, int mapHeight) {
  const int margin = kGridSize + 1;
  Rect r{floorToGrid(spot.x - margin), floorToGrid(spot.y - margin),
         ceilToGrid(spot.x + kStairsSize + margin), ceilToGrid(spot.y + kStairsSize + margin)};
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  r.right = std::min(r.right, mapWidth);
  r.bottom = std::min(r.bottom, mapHeight);
  return r;
}

}  // namespace

bool tileInside(const StairsSpot& spot, const Rect& rect, int margin) {
  return spot.x - margin >= rect.left && spot.y - margin >= rect.top &&
         spot.x + kStairsSize + margin <= rect.right &&
         spot.y + kStairsSize + margin <= rect.bottom;
}

std::vector<Rect> landingRooms(const std::vector<StairsSpot>& upStairs, int mapWidth,
                               int mapHeight) {
  std::vector<Rect> rooms;
  for (const StairsSpot& spot : upStairs) {
    Rect room = landingFor(spot, mapWidth, mapHeight);
    // A merged room can meet one that did not meet either part: merge until none meets.
    for (bool merged = true; merged;) {
      merged = false;
      for (auto it = rooms.begin(); it != rooms.end(); ++it) {
        if (!meet(*it, room)) continue;
        room = around(*it, room);
        rooms.erase(it);
        merged = true;
        break;
      }
    }
    rooms.push_back(room);
  }
  return rooms;
}

void AddLandings(StepContext& ctx, const std::vector<StairsSpot>& upStairs) {
  EngineState& state = ctx.model.state;
  for (const Rect& r : landingRooms(upStairs, state.mapWidth, state.mapHeight)) {
    state.lastFeatureType = FeatureType::Room;
    ctx.canvas.rectangle(r.left, r.top, r.right, r.bottom);
    ++state.featureCount;
    UpdateBitMap(ctx, r.left, r.top, r.right, r.bottom, FeatureType::Room);
  }
}

}  // namespace delvora
