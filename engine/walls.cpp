#include <algorithm>

#include "engine/steps.h"

namespace delvora {

void FindWall(StepContext& ctx) {
  EngineState& state = ctx.model.state;
  const auto& walls = ctx.model.lstWalls;
  const int i = ctx.model.random.Random(static_cast<int>(walls.size()));
  const int side = ctx.model.random.Random(4);
  const Feature feature = parseFeature(walls[static_cast<std::size_t>(i)]);
  const Rect& r = feature.rect;
  state.wallOwnerType = feature.type;
  switch (side) {
    case 0:
      state.wall = {r.left, r.top, r.left, r.bottom};
      break;
    case 1:
      state.wall = {r.left, r.top, r.right, r.top};
      break;
    case 2:
      state.wall = {r.right, r.top, r.right, r.bottom};
      break;
    default:
      state.wall = {r.left, r.bottom, r.right, r.bottom};
      break;
  }
}

namespace {

// Length of a door tile along its wall.
constexpr int kDoorLength = 14;
// A door tile starts this many pixels before the wall line, so that it straddles the line.
constexpr int kDoorOffset = 2;
// The side probe looks this far beyond the wall: inside the parent when the parent lies on that
// side, since every feature is at least a grid square across.
constexpr int kProbeDistance = 5;

// Slides a feature of the given size along a wall span [wallLow, wallHigh]; returns its low
// edge, snapped.
int positionAlong(RandomSource& random, int wallLow, int wallHigh, int size, int step) {
  const int length = wallHigh - wallLow;
  const int low = length < size ? random.Random(size - length) + wallHigh - size
                                : random.Random(length - kDoorLength) + wallLow;
  return snap(low, step);
}

// A door position on the stretch the wall and the feature share; the tile ends at least one
// pixel before its end.
int doorAlong(RandomSource& random, int wallLow, int wallHigh, int low, int high) {
  const int lo = std::max(wallLow, low);
  const int hi = std::min(wallHigh, high);
  int door = lo + random.Random(hi - lo);
  if (hi < door + kDoorLength) door = hi - (kDoorLength + 1);
  return door;
}

void placeOnHorizontalWall(StepContext& ctx, int width, int height) {
  EngineState& state = ctx.model.state;
  const Rect& wall = state.wall;
  state.doorOrientation = 'H';
  Rect& c = state.candidate;
  c.left = positionAlong(ctx.model.random, wall.left, wall.right, width, state.snapStep);
  c.right = c.left + width;
  state.doorX = doorAlong(ctx.model.random, wall.left, wall.right, c.left, c.right);
  if (wall.top - kProbeDistance <= 0) {
    // Nothing fits above a wall at the map's top edge: a negative top makes the builder drop it.
    c.top = -1;
    c.bottom = height;
    return;
  }
  if (ctx.model.grid.covered(wall.left, wall.top - kProbeDistance)) {
    c.top = wall.top;
    c.bottom = wall.top + height;
    state.attachDirection = 'U';
  } else {
    c.top = wall.top - height;
    c.bottom = wall.top;
    state.attachDirection = 'D';
  }
  state.doorY = wall.top - kDoorOffset;
}

void placeOnVerticalWall(StepContext& ctx, int width, int height) {
  EngineState& state = ctx.model.state;
  const Rect& wall = state.wall;
  state.doorOrientation = 'V';
  Rect& c = state.candidate;
  c.top = positionAlong(ctx.model.random, wall.top, wall.bottom, height, state.snapStep);
  c.bottom = c.top + height;
  state.doorY = doorAlong(ctx.model.random, wall.top, wall.bottom, c.top, c.bottom);
  if (ctx.model.grid.covered(wall.left + kProbeDistance, wall.top)) {
    c.left = wall.left - width;
    c.right = wall.left;
    state.attachDirection = 'R';
  } else {
    c.left = wall.left;
    c.right = wall.left + width;
    state.attachDirection = 'L';
  }
  state.doorX = wall.left - kDoorOffset;
}

}  // namespace

void PlaceFeature(StepContext& ctx, int width, int height) {
  if (ctx.model.state.wall.top == ctx.model.state.wall.bottom) {
    placeOnHorizontalWall(ctx, width, height);
  } else {
    placeOnVerticalWall(ctx, width, height);
  }
}

}  // namespace delvora
