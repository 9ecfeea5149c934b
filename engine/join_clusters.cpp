#include <algorithm>
#include <optional>

#include "engine/clusters.h"
#include "engine/steps.h"

namespace delvora {

namespace {

// Joins made at most: every join merges two groups, and a level has one group per landing and
// its first room, so this is never reached by a real level.
constexpr int kMaxJoins = 64;

enum class Side { Right, Down, Left, Up };

// A straight corridor from one group's feature to another group's, and its two archways.
struct Join {
  Rect corridor;
  FeatureType type{};
  char orientation = 'V';
  int firstX = 0;
  int firstY = 0;
  int secondX = 0;
  int secondY = 0;
  int length() const {
    return type == FeatureType::HorizontalCorridor ? corridor.right - corridor.left
                                                   : corridor.bottom - corridor.top;
  }
};

struct Member {
  Rect rect;
  int cluster = 0;
};

// The first covered line of a band from `from` toward `to` (both inclusive), or nothing:
// covered(from, line) tells whether any cell of the band up to that line is covered.
template <typename Covered>
std::optional<int> firstCovered(int from, int to, int step, const Covered& covered) {
  if ((to - from) * step < 0 || !covered(from, to)) return {};
  int near = from;
  int far = to;
  while (near != far) {
    const int mid = near + (far - near) / 2;
    if (covered(from, mid)) {
      far = mid;
    } else {
      near = mid + step;
    }
  }
  return near;
}

// The feature of another group whose wall `line` runs across the whole band low..high+16.
const Member* wallAt(const std::vector<Member>& members, int cluster, Side side, int line,
                     int low) {
  for (const Member& m : members) {
    if (m.cluster == cluster) continue;
    const Rect& r = m.rect;
    const bool across = side == Side::Right || side == Side::Left
                            ? r.top <= low && low + kGridSize <= r.bottom
                            : r.left <= low && low + kGridSize <= r.right;
    const int wall = side == Side::Right  ? r.left
                     : side == Side::Left ? r.right
                     : side == Side::Down ? r.top
                                          : r.bottom;
    if (across && wall == line) return &m;
  }
  return nullptr;
}

// A corridor straight out of `from`'s side at `low` (its top or left edge), if it meets another
// group's wall squarely after at least one grid square of free rock.
std::optional<Join> cast(const StepContext& ctx, const std::vector<Member>& members,
                         const Member& from, Side side, int low) {
  const OccupancyGrid& grid = ctx.model.grid;
  const EngineState& state = ctx.model.state;
  const Rect& r = from.rect;
  const int high = low + kGridSize;
  const bool horizontal = side == Side::Right || side == Side::Left;
  const auto band = [&](int a, int b) {
    const int lo = std::min(a, b);
    const int hi = std::max(a, b);
    return horizontal ? grid.anyCovered(lo, low, hi, high) : grid.anyCovered(low, lo, high, hi);
  };
  std::optional<int> hit;
  switch (side) {
    case Side::Right:
      hit = firstCovered(r.right + 1, state.mapWidth, 1, band);
      break;
    case Side::Left:
      hit = firstCovered(r.left - 1, 0, -1, band);
      break;
    case Side::Down:
      hit = firstCovered(r.bottom + 1, state.mapHeight, 1, band);
      break;
    case Side::Up:
      hit = firstCovered(r.top - 1, 0, -1, band);
      break;
  }
  if (!hit || !wallAt(members, from.cluster, side, *hit, low)) return {};
  const int line = *hit;
  Join join;
  join.type = horizontal ? FeatureType::HorizontalCorridor : FeatureType::VerticalCorridor;
  join.orientation = horizontal ? 'V' : 'H';
  switch (side) {
    case Side::Right:
      join.corridor = {r.right + 1, low, line - 1, high};
      join.firstX = r.right - 1;
      join.secondX = line - 2;
      join.firstY = join.secondY = low + 1;
      break;
    case Side::Left:
      join.corridor = {line + 1, low, r.left - 1, high};
      join.firstX = r.left - 2;
      join.secondX = line - 2;
      join.firstY = join.secondY = low + 1;
      break;
    case Side::Down:
      join.corridor = {low, r.bottom + 1, high, line - 1};
      join.firstY = r.bottom - 1;
      join.secondY = line - 2;
      join.firstX = join.secondX = low + 1;
      break;
    case Side::Up:
      join.corridor = {low, line + 1, high, r.top - 1};
      join.firstY = r.top - 2;
      join.secondY = line - 2;
      join.firstX = join.secondX = low + 1;
      break;
  }
  if (join.length() < kGridSize) return {};
  return join;
}

// The shortest corridor out of any feature to a feature of another group; ties go to the
// feature first in lstWalls, then to the sides in the order right, down, left, up.
std::optional<Join> shortestJoin(const StepContext& ctx, const std::vector<Member>& members) {
  std::optional<Join> best;
  const auto consider = [&](const std::optional<Join>& join) {
    if (join && (!best || join->length() < best->length())) best = join;
  };
  for (const Member& m : members) {
    const Rect& r = m.rect;
    for (int y = r.top; y + kGridSize <= r.bottom; y += kGridSize) {
      consider(cast(ctx, members, m, Side::Right, y));
      consider(cast(ctx, members, m, Side::Left, y));
    }
    for (int x = r.left; x + kGridSize <= r.right; x += kGridSize) {
      consider(cast(ctx, members, m, Side::Down, x));
      consider(cast(ctx, members, m, Side::Up, x));
    }
  }
  return best;
}

std::vector<Member> members(const MapModel& model) {
  const std::vector<int> clusters = featureClusters(model);
  std::vector<Member> result;
  result.reserve(clusters.size());
  for (std::size_t i = 0; i < clusters.size(); ++i) {
    result.push_back({parseFeature(model.lstWalls[i]).rect, clusters[i]});
  }
  return result;
}

}  // namespace

void JoinClusters(StepContext& ctx) {
  for (int joins = 0; joins < kMaxJoins; ++joins) {
    if (clusterCount(ctx.model) <= 1) return;
    const std::optional<Join> join = shortestJoin(ctx, members(ctx.model));
    if (!join) return;
    const Rect& c = join->corridor;
    ctx.canvas.rectangle(c.left, c.top, c.right, c.bottom);
    UpdateBitMap(ctx, c.left, c.top, c.right, c.bottom, join->type);
    AddDoor(ctx, {.x = join->firstX,
                  .y = join->firstY,
                  .orientation = join->orientation,
                  .forcedArchway = true,
                  .corridorCrossing = false});
    AddDoor(ctx, {.x = join->secondX,
                  .y = join->secondY,
                  .orientation = join->orientation,
                  .forcedArchway = true,
                  .corridorCrossing = false});
  }
}

}  // namespace delvora
