#include "engine/steps.h"

namespace delvora {

namespace {

// The first room is pulled back by the room size range + 50 when it ends past an edge. With
// Large rooms that can leave it above (or left of) the map; it is then moved back in so that
// the edge sits at 0, keeping its size.
void pullBack(int& low, int& high, int limit, int range, int step) {
  if (high <= limit) return;
  low = snap(low - (range + 50), step);
  high = snap(high - (range + 50), step);
  if (low < 0) {
    high -= low;
    low = 0;
  }
}

}  // namespace

void FirstRoom(StepContext& ctx) {
  EngineState& state = ctx.model.state;
  RandomSource& random = ctx.model.random;
  const int range = roomSizeRange(ctx.settings.roomSize);
  const int step = state.snapStep;

  int left = snap(random.Random(state.mapWidth / 2) + state.mapWidth / 4, step);
  int top = snap(random.Random(state.mapHeight / 2) + state.mapHeight / 4, step);
  int right = snap(snap(random.Random(range) + 32 + left, 16), step);
  int bottom = snap(snap(random.Random(range) + 32 + top, 16), step);
  pullBack(left, right, state.mapWidth, range, step);
  pullBack(top, bottom, state.mapHeight, range, step);

  state.candidate = {left, top, right, bottom};
  state.fits = true;
  CheckBitMap(ctx, left, top, right, bottom);
  state.featureType = kRoom;
  ctx.canvas.rectangle(left, top, right, bottom);
  ++state.featureCount;
  UpdateBitMap(ctx, left, top, right, bottom, kRoom);
}

}  // namespace delvora
