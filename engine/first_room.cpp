#include "engine/steps.h"

namespace delvora {

namespace {

// Added to the room size range to give how far a first room that ends past an edge is pulled back.
constexpr int kPullBackMargin = 50;

// The first room is pulled back by the room size range + kPullBackMargin when it ends past an
// edge. With Large rooms that can leave it above (or left of) the map; it is then moved back in
// so that the edge sits at 0, keeping its size.
void pullBack(int& low, int& high, int limit, int range, int step) {
  if (high <= limit) return;
  low = snap(low - (range + kPullBackMargin), step);
  high = snap(high - (range + kPullBackMargin), step);
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
  int right = snap(snap(random.Random(range) + kMinFeatureSize + left, kGridSize), step);
  int bottom = snap(snap(random.Random(range) + kMinFeatureSize + top, kGridSize), step);
  pullBack(left, right, state.mapWidth, range, step);
  pullBack(top, bottom, state.mapHeight, range, step);

  // Below the first level the landings come first: a first room that would meet one is left out.
  if (state.featureCount > 0 && ctx.model.grid.anyCovered(left, top, right, bottom)) return;
  // Recorded without an overlap test, as the first feature of a run always fits. Until a build
  // attempt follows it counts as the last one.
  state.lastFeatureType = FeatureType::Room;
  ctx.canvas.rectangle(left, top, right, bottom);
  ++state.featureCount;
  UpdateBitMap(ctx, left, top, right, bottom, FeatureType::Room);
}

}  // namespace delvora
