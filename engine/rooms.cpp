#include "engine/steps.h"

namespace delvora {

namespace {

int corridorRange(const StepContext& ctx) {
  return corridorLengthRange(ctx.settings.roomSize) /
         static_cast<int>(ctx.model.state.corridorStyle);
}

// The keep-or-drop test shared by the builders: inside the map (right and bottom may equal the
// map size) and overlapping nothing but the wall line shared with the parent.
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

// Records a kept feature and joins it to its parent with a door.
void commit(StepContext& ctx, int type) {
  EngineState& state = ctx.model.state;
  const Rect c = state.candidate;
  ++state.featureCount;
  UpdateBitMap(ctx, c.left, c.top, c.right, c.bottom, type);
  AddDoor(ctx, state.doorX, state.doorY, false);
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
  RandomSource& random = ctx.model.random;
  const int range = roomSizeRange(ctx.settings.roomSize);
  FindWall(ctx);
  state.candidate.right = snap(snap(random.Random(range) + 32, 16), state.snapStep);
  state.candidate.bottom = snap(snap(random.Random(range) + 32, 16), state.snapStep);
  state.featureType = random.Random(20) == 17 ? kRoundRoom : kRoom;
  PlaceFeature(ctx);
  if (!keeps(ctx)) return;
  const Rect c = state.candidate;
  if (state.featureType == kRoundRoom) {
    ctx.canvas.roundRect(c.left, c.top, c.right, c.bottom, (c.right - c.left) / 2,
                         (c.bottom - c.top) / 2);
  } else {
    ctx.canvas.rectangle(c.left, c.top, c.right, c.bottom);
  }
  commit(ctx, state.featureType);
}

void BuildHCorr(StepContext& ctx) {
  EngineState& state = ctx.model.state;
  state.featureType = kHorizontalCorridor;
  FindWall(ctx);
  if (state.corridorStyle == CorridorStyle::Straight &&
      state.wallOwnerType == kHorizontalCorridor) {
    return;
  }
  state.candidate.right =
      snap(snap(ctx.model.random.Random(corridorRange(ctx)) + 32, 16), state.snapStep);
  state.candidate.bottom = 16;
  PlaceFeature(ctx);
  if (!keeps(ctx)) return;
  const Rect c = state.candidate;
  ctx.canvas.rectangle(c.left, c.top, c.right, c.bottom);
  commit(ctx, kHorizontalCorridor);
}

void BuildVCorr(StepContext& ctx) {
  EngineState& state = ctx.model.state;
  state.featureType = kVerticalCorridor;
  FindWall(ctx);
  if (state.corridorStyle == CorridorStyle::Straight && state.wallOwnerType == kVerticalCorridor) {
    return;
  }
  state.candidate.right = 16;
  state.candidate.bottom =
      snap((ctx.model.random.Random(corridorRange(ctx)) + 32) / 32 * 16, state.snapStep);
  PlaceFeature(ctx);
  if (!keeps(ctx)) return;
  const Rect c = state.candidate;
  ctx.canvas.rectangle(c.left, c.top, c.right, c.bottom);
  commit(ctx, kVerticalCorridor);
}

}  // namespace delvora
