#include <cstdlib>

#include "engine/steps.h"

namespace delvora {

namespace {

// Failed attempts after which one stairs step gives up: a plan whose features are all full
// could otherwise never finish.
constexpr int kMaxFailedAttempts = 100000;
constexpr int kStairsSize = 16;

bool overlapsPlacedStairs(const RecordList& stairs, int x, int y) {
  for (const std::string& record : stairs) {
    const Rect placed = parseStairs(record);
    if (std::abs(x - placed.left) <= kStairsSize && std::abs(y - placed.top) <= kStairsSize) {
      return true;
    }
  }
  return false;
}

// One attempt; true when a staircase was placed.
bool tryPlaceStairs(StepContext& ctx, bool down) {
  MapModel& model = ctx.model;
  const int i = model.random.Random(static_cast<int>(model.lstWalls.size()) - 1);
  const Feature feature = parseFeature(model.lstWalls[static_cast<std::size_t>(i)]);
  const Rect& r = feature.rect;
  if (r.right - r.left - kStairsSize < 0 || r.bottom - r.top - kStairsSize < 0) return false;
  const int x = r.left + model.random.Random(r.right - r.left - kStairsSize);
  const int y = r.top + model.random.Random(r.bottom - r.top - kStairsSize);
  if (!ctx.settings.corridorStairs && isCorridor(feature.type)) return false;
  if (overlapsPlacedStairs(model.lstStairs, x, y)) return false;
  ctx.canvas.drawTile(down ? Tile::StairsDown : Tile::StairsUp, x, y);
  model.lstStairs.push_back(stairsRecord(x, y));
  return true;
}

}  // namespace

int AddStairs(StepContext& ctx) {
  ctx.model.lstStairs.clear();
  const int wanted = ctx.settings.stairs;
  if (wanted <= 0 || ctx.model.lstWalls.empty()) return 0;
  int placed = 0;
  int failed = 0;
  while (placed < wanted && failed < kMaxFailedAttempts) {
    if (tryPlaceStairs(ctx, placed % 2 == 0)) {
      ++placed;
    } else {
      ++failed;
    }
  }
  return wanted - placed;
}

}  // namespace delvora
