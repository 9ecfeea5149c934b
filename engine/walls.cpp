#include <algorithm>

#include "engine/steps.h"

namespace delvora {

Wall FindWall(StepContext& ctx) {
  const auto& walls = ctx.model.lstWalls;
  const int i = ctx.model.random.Random(static_cast<int>(walls.size()));
  const int side = ctx.model.random.Random(4);
  const Feature feature = parseFeature(walls[static_cast<std::size_t>(i)]);
  const Rect& r = feature.rect;
  switch (side) {
    case 0:
      return {{r.left, r.top, r.left, r.bottom}, feature.type};
    case 1:
      return {{r.left, r.top, r.right, r.top}, feature.type};
    case 2:
      return {{r.right, r.top, r.right, r.bottom}, feature.type};
    default:
      return {{r.left, r.bottom, r.right, r.bottom}, feature.type};
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

Placement placeOnHorizontalWall(StepContext& ctx, const Rect& wall, int width, int height) {
  Placement placement;
  placement.doorOrientation = 'H';
  Rect& c = placement.candidate;
  c.left = positionAlong(ctx.model.random, wall.left, wall.right, width, ctx.model.state.snapStep);
  c.right = c.left + width;
  placement.doorX = doorAlong(ctx.model.random, wall.left, wall.right, c.left, c.right);
  if (wall.top - kProbeDistance <= 0) {
    // Nothing fits above a wall at the map's top edge: a negative top makes the builder drop it.
    c.top = -1;
    c.bottom = height;
    return placement;
  }
  if (ctx.model.grid.covered(wall.left, wall.top - kProbeDistance)) {
    c.top = wall.top;
    c.bottom = wall.top + height;
    placement.attachDirection = 'U';
  } else {
    c.top = wall.top - height;
    c.bottom = wall.top;
    placement.attachDirection = 'D';
  }
  placement.doorY = wall.top - kDoorOffset;
  return placement;
}

Placement placeOnVerticalWall(StepContext& ctx, const Rect& wall, int width, int height) {
  Placement placement;
  placement.doorOrientation = 'V';
  Rect& c = placement.candidate;
  c.top = positionAlong(ctx.model.random, wall.top, wall.bottom, height, ctx.model.state.snapStep);
  c.bottom = c.top + height;
  placement.doorY = doorAlong(ctx.model.random, wall.top, wall.bottom, c.top, c.bottom);
  if (ctx.model.grid.covered(wall.left + kProbeDistance, wall.top)) {
    c.left = wall.left - width;
    c.right = wall.left;
    placement.attachDirection = 'R';
  } else {
    c.left = wall.left;
    c.right = wall.left + width;
    placement.attachDirection = 'L';
  }
  placement.doorX = wall.left - kDoorOffset;
  return placement;
}

}  // namespace

Placement PlaceFeature(StepContext& ctx, const Wall& wall, int width, int height) {
  if (wall.rect.top == wall.rect.bottom) {
    return placeOnHorizontalWall(ctx, wall.rect, width, height);
  }
  return placeOnVerticalWall(ctx, wall.rect, width, height);
}

}  // namespace delvora
