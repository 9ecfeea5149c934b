#include <algorithm>
#include <cstdlib>
#include <optional>

#include "engine/steps.h"

namespace delvora {

namespace {

// Failed attempts after which one stairs step gives up: a plan whose features are all full
// could otherwise never finish.
constexpr int kMaxFailedAttempts = 100000;

bool overlapsPlacedStairs(const RecordList& stairs, int x, int y) {
  for (const std::string& record : stairs) {
    const Rect placed = parseStairs(record);
    if (std::abs(x - placed.left) <= kStairsSize && std::abs(y - placed.top) <= kStairsSize) {
      return true;
    }
  }
  return false;
}

bool overlapsDoor(const SortedRecordList& doors, int x, int y) {
  for (const std::string& record : doors) {
    const Rect t = parseDoor(record).tile;
    if (t.left < x + kStairsSize && x < t.right && t.top < y + kStairsSize && y < t.bottom) {
      return true;
    }
  }
  return false;
}

// One attempt; the spot of the staircase placed, or nothing. Below the first level (avoidDoors)
// a staircase also keeps off the door tiles.
std::optional<StairsSpot> tryPlaceStairs(StepContext& ctx, const RecordList& placed,
                                         bool avoidDoors) {
  MapModel& model = ctx.model;
  const int i = model.random.Random(static_cast<int>(model.lstWalls.size()) - 1);
  const Feature feature = parseFeature(model.lstWalls[static_cast<std::size_t>(i)]);
  const Rect& r = feature.rect;
  if (r.right - r.left - kStairsSize < 0 || r.bottom - r.top - kStairsSize < 0) return {};
  const int x = r.left + model.random.Random(r.right - r.left - kStairsSize);
  const int y = r.top + model.random.Random(r.bottom - r.top - kStairsSize);
  if (!ctx.settings.corridorStairs && isCorridor(feature.type)) return {};
  if (overlapsPlacedStairs(placed, x, y)) return {};
  if (avoidDoors && overlapsDoor(model.lstDoors, x, y)) return {};
  return StairsSpot{x, y};
}

// The first level's staircases: down, up, down ... as placed.
int addAlternatingStairs(StepContext& ctx) {
  const int wanted = ctx.settings.stairs;
  int placed = 0;
  int failed = 0;
  while (placed < wanted && failed < kMaxFailedAttempts) {
    const bool down = placed % 2 == 0;
    if (const auto spot = tryPlaceStairs(ctx, ctx.model.lstStairs, false)) {
      ctx.canvas.drawTile(down ? Tile::StairsDown : Tile::StairsUp, spot->x, spot->y);
      ctx.model.lstStairs.push_back(stairsRecord(spot->x, spot->y));
      ++placed;
    } else {
      ++failed;
    }
  }
  return wanted - placed;
}

// A level below the first: the up staircases where the level above's down ones stand, then the
// down staircases around them, the list interleaved.
int addLinkedStairs(StepContext& ctx, const std::vector<StairsSpot>& upStairs) {
  RecordList taken;
  for (const StairsSpot& up : upStairs) {
    ctx.canvas.drawTile(Tile::StairsUp, up.x, up.y);
    taken.push_back(stairsRecord(up.x, up.y));
  }
  const int wanted = (ctx.settings.stairs + 1) / 2;
  std::vector<StairsSpot> downs;
  int failed = 0;
  while (static_cast<int>(downs.size()) < wanted && failed < kMaxFailedAttempts) {
    if (const auto spot = tryPlaceStairs(ctx, taken, true)) {
      ctx.canvas.drawTile(Tile::StairsDown, spot->x, spot->y);
      taken.push_back(stairsRecord(spot->x, spot->y));
      downs.push_back(*spot);
    } else {
      ++failed;
    }
  }
  const std::size_t count = std::max(downs.size(), upStairs.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (i < downs.size()) ctx.model.lstStairs.push_back(stairsRecord(downs[i].x, downs[i].y));
    if (i < upStairs.size()) {
      ctx.model.lstStairs.push_back(stairsRecord(upStairs[i].x, upStairs[i].y));
    }
  }
  return wanted - static_cast<int>(downs.size());
}

}  // namespace

int AddStairs(StepContext& ctx, const std::vector<StairsSpot>& upStairs) {
  ctx.model.lstStairs.clear();
  if (ctx.settings.stairs <= 0 || ctx.model.lstWalls.empty()) return 0;
  if (upStairs.empty()) return addAlternatingStairs(ctx);
  return addLinkedStairs(ctx, upStairs);
}

}  // namespace delvora
