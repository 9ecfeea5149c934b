#include "engine/steps.h"

namespace delvora {

namespace {

// A room is round when its shape draw, Random(kRoundRoomOdds), gives kRoundRoomDraw.
constexpr int kRoundRoomOdds = 20;
constexpr int kRoundRoomDraw = 17;

int corridorRange(const StepContext& ctx) {
  return corridorLengthRange(ctx.settings.roomSize) / static_cast<int>(ctx.settings.corridorStyle);
}

// A room side or a horizontal corridor's length: the least size plus a draw from the range, cut
// back to whole grid squares and then to the snap step.
int drawLength(StepContext& ctx, int range) {
  const int length = ctx.model.random.Random(range) + kMinFeatureSize;
  return snap(snap(length, kGridSize), ctx.model.state.snapStep);
}

// Notes what the attempt builds against what: its own door and the stretches after the last
// attempt roll for a corridor crossing by these.
void noteAttempt(EngineState& state, FeatureType type, const Wall& wall) {
  state.lastFeatureType = type;
  state.lastWallOwnerType = wall.ownerType;
}

// With straight corridors a corridor never continues one of its own direction.
bool continuesStraightCorridor(const StepContext& ctx, FeatureType type, const Wall& wall) {
  return ctx.settings.corridorStyle == CorridorStyle::Straight && wall.ownerType == type;
}

// The keep-or-drop test shared by the builders: inside the map (right and bottom may equal the
// map size) and overlapping nothing but the wall line shared with the parent.
bool keeps(const StepContext& ctx, const Placement& placement) {
  const EngineState& state = ctx.model.state;
  const Rect& c = placement.candidate;
  if (c.right > state.mapWidth || c.bottom > state.mapHeight || c.left < 0 || c.top < 0) {
    return false;
  }
  return CheckBitMap(ctx, c, placement.attachDirection);
}

// Records a kept feature and joins it to its parent with a door at the point PlaceFeature chose.
void commit(StepContext& ctx, const Placement& placement, FeatureType type) {
  EngineState& state = ctx.model.state;
  const Rect& c = placement.candidate;
  ++state.featureCount;
  UpdateBitMap(ctx, c.left, c.top, c.right, c.bottom, type);
  AddDoor(ctx, {.x = placement.doorX,
                .y = placement.doorY,
                .orientation = placement.doorOrientation,
                .forcedArchway = false,
                .corridorCrossing = state.lastAttemptJoinsCorridors()});
}

// Places a corridor against the wall and, when it is kept, draws and records it.
void attachCorridor(StepContext& ctx, const Wall& wall, FeatureType type, int width, int height) {
  const Placement placement = PlaceFeature(ctx, wall, width, height);
  if (!keeps(ctx, placement)) return;
  const Rect& c = placement.candidate;
  ctx.canvas.rectangle(c.left, c.top, c.right, c.bottom);
  commit(ctx, placement, type);
}

}  // namespace

void BuildFeature(StepContext& ctx) {
  const int r = ctx.model.random.Random(4 * static_cast<int>(ctx.settings.corridorStyle));
  switch (r) {
    case 0:
    case 3:
    case 4:
      BuildRoom(ctx);
      break;
    case 1:
    case 5:
    case 7:
    case 9:
    case 11:
      BuildVCorr(ctx);
      break;
    default:
      BuildHCorr(ctx);
      break;
  }
}

void BuildRoom(StepContext& ctx) {
  const int range = roomSizeRange(ctx.settings.roomSize);
  const Wall wall = FindWall(ctx);
  const int width = drawLength(ctx, range);
  const int height = drawLength(ctx, range);
  const bool round = ctx.model.random.Random(kRoundRoomOdds) == kRoundRoomDraw;
  const FeatureType type = round ? FeatureType::RoundRoom : FeatureType::Room;
  noteAttempt(ctx.model.state, type, wall);
  const Placement placement = PlaceFeature(ctx, wall, width, height);
  if (!keeps(ctx, placement)) return;
  const Rect& c = placement.candidate;
  if (round) {
    ctx.canvas.roundRect(c.left, c.top, c.right, c.bottom, (c.right - c.left) / 2,
                         (c.bottom - c.top) / 2);
  } else {
    ctx.canvas.rectangle(c.left, c.top, c.right, c.bottom);
  }
  commit(ctx, placement, type);
}

void BuildHCorr(StepContext& ctx) {
  constexpr FeatureType type = FeatureType::HorizontalCorridor;
  const Wall wall = FindWall(ctx);
  noteAttempt(ctx.model.state, type, wall);
  if (continuesStraightCorridor(ctx, type, wall)) return;
  attachCorridor(ctx, wall, type, drawLength(ctx, corridorRange(ctx)), kGridSize);
}

void BuildVCorr(StepContext& ctx) {
  constexpr FeatureType type = FeatureType::VerticalCorridor;
  const Wall wall = FindWall(ctx);
  noteAttempt(ctx.model.state, type, wall);
  if (continuesStraightCorridor(ctx, type, wall)) return;
  // Half what a horizontal corridor's draw would give, in whole grid squares.
  const int drawn = ctx.model.random.Random(corridorRange(ctx)) + kMinFeatureSize;
  const int length = snap(drawn / (2 * kGridSize) * kGridSize, ctx.model.state.snapStep);
  attachCorridor(ctx, wall, type, kGridSize, length);
}

}  // namespace delvora
