#include "engine/steps.h"

namespace delvora {

namespace {

// A room is round when its shape draw, Random(kRoundRoomOdds), gives kRoundRoomDraw.
constexpr int kRoundRoomOdds = 20;
constexpr int kRoundRoomDraw = 17;

int corridorRange(const StepContext& ctx) {
  return corridorLengthRange(ctx.settings.roomSize) /
         static_cast<int>(ctx.model.state.corridorStyle);
}

// A room side or a horizontal corridor's length: the least size plus a draw from the range, cut
// back to whole grid squares and then to the snap step.
int drawLength(StepContext& ctx, int range) {
  const int length = ctx.model.random.Random(range) + kMinFeatureSize;
  return snap(snap(length, kGridSize), ctx.model.state.snapStep);
}

// The keep-or-drop test shared by the builders: inside the map (right and bottom may equal the
// map size) and overlapping nothing but the wall line shared with the parent, which CheckBitMap
// finds through the attach direction PlaceFeature set.
bool keeps(StepContext& ctx) {
  EngineState& state = ctx.model.state;
  const Rect& c = state.candidate;
  if (c.right > state.mapWidth || c.bottom > state.mapHeight || c.left < 0 || c.top < 0) {
    return false;
  }
  state.fits = true;
  CheckBitMap(ctx, c.left, c.top, c.right, c.bottom);
  return state.fits;
}

// Records a kept feature and joins it to its parent with a door at the point PlaceFeature chose.
void commit(StepContext& ctx, FeatureType type) {
  EngineState& state = ctx.model.state;
  const Rect c = state.candidate;
  ++state.featureCount;
  UpdateBitMap(ctx, c.left, c.top, c.right, c.bottom, type);
  AddDoor(ctx, {.x = state.doorX,
                .y = state.doorY,
                .orientation = state.doorOrientation,
                .forcedArchway = false,
                .corridorCrossing = state.lastAttemptJoinsCorridors()});
}

}  // namespace

void BuildFeature(StepContext& ctx) {
  const int r = ctx.model.random.Random(4 * static_cast<int>(ctx.model.state.corridorStyle));
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
  EngineState& state = ctx.model.state;
  const int range = roomSizeRange(ctx.settings.roomSize);
  FindWall(ctx);
  const int width = drawLength(ctx, range);
  const int height = drawLength(ctx, range);
  const bool round = ctx.model.random.Random(kRoundRoomOdds) == kRoundRoomDraw;
  state.featureType = round ? FeatureType::RoundRoom : FeatureType::Room;
  PlaceFeature(ctx, width, height);
  if (!keeps(ctx)) return;
  const Rect c = state.candidate;
  if (round) {
    ctx.canvas.roundRect(c.left, c.top, c.right, c.bottom, (c.right - c.left) / 2,
                         (c.bottom - c.top) / 2);
  } else {
    ctx.canvas.rectangle(c.left, c.top, c.right, c.bottom);
  }
  commit(ctx, state.featureType);
}

void BuildHCorr(StepContext& ctx) {
  EngineState& state = ctx.model.state;
  state.featureType = FeatureType::HorizontalCorridor;
  FindWall(ctx);
  if (state.corridorStyle == CorridorStyle::Straight &&
      state.wallOwnerType == FeatureType::HorizontalCorridor) {
    return;
  }
  PlaceFeature(ctx, drawLength(ctx, corridorRange(ctx)), kGridSize);
  if (!keeps(ctx)) return;
  const Rect c = state.candidate;
  ctx.canvas.rectangle(c.left, c.top, c.right, c.bottom);
  commit(ctx, FeatureType::HorizontalCorridor);
}

void BuildVCorr(StepContext& ctx) {
  EngineState& state = ctx.model.state;
  state.featureType = FeatureType::VerticalCorridor;
  FindWall(ctx);
  if (state.corridorStyle == CorridorStyle::Straight &&
      state.wallOwnerType == FeatureType::VerticalCorridor) {
    return;
  }
  // Half what a horizontal corridor's draw would give, in whole grid squares.
  const int drawn = ctx.model.random.Random(corridorRange(ctx)) + kMinFeatureSize;
  const int length = snap(drawn / (2 * kGridSize) * kGridSize, state.snapStep);
  PlaceFeature(ctx, kGridSize, length);
  if (!keeps(ctx)) return;
  const Rect c = state.candidate;
  ctx.canvas.rectangle(c.left, c.top, c.right, c.bottom);
  commit(ctx, FeatureType::VerticalCorridor);
}

}  // namespace delvora
