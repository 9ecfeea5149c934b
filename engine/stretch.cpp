#include "engine/steps.h"

namespace delvora {

namespace {

constexpr int kBand = 10;  // only the first ten pixels of a corridor's width are scanned
// Scans end this many pixels before the map's top and right edges.
constexpr int kMargin = 30;
// A corridor end with something covered this many pixels beyond it is left alone.
constexpr int kEndProbe = 3;

enum class Band { Free, Covered, Mixed };

Band band(const OccupancyGrid& grid, int left, int top, int right, int bottom) {
  if (!grid.anyCovered(left, top, right, bottom)) return Band::Free;
  return grid.allCovered(left, top, right, bottom) ? Band::Covered : Band::Mixed;
}

Band rowBand(const OccupancyGrid& grid, int left, int y) {
  return band(grid, left, y, left + kBand - 1, y);
}

Band columnBand(const OccupancyGrid& grid, int x, int top) {
  return band(grid, x, top, x, top + kBand - 1);
}

// The two archways of a stretch, at the corridor's end and at the feature it meets. Whether they
// roll for a corridor crossing goes by the feature type and wall owner type the last build attempt
// left, not by what the stretch joins.
void addArchways(StepContext& ctx, char orientation, int x1, int y1, int x2, int y2) {
  const bool crossing = ctx.model.state.lastAttemptJoinsCorridors();
  AddDoor(ctx, {.x = x1,
                .y = y1,
                .orientation = orientation,
                .forcedArchway = true,
                .corridorCrossing = crossing});
  AddDoor(ctx, {.x = x2,
                .y = y2,
                .orientation = orientation,
                .forcedArchway = true,
                .corridorCrossing = crossing});
}

void stretchUp(StepContext& ctx, const Rect& r) {
  const OccupancyGrid& grid = ctx.model.grid;
  if (r.top <= kMargin || grid.covered(r.left, r.top - kEndProbe)) return;
  for (int row = r.top - 1; row >= kMargin; --row) {
    const Band band = rowBand(grid, r.left, row);
    if (band == Band::Mixed) return;
    if (band == Band::Free) continue;
    ctx.canvas.rectangle(r.left, row + 1, r.right, r.top - 1);
    UpdateBitMap(ctx, r.left, row + 1, r.right, r.top - 1, FeatureType::VerticalCorridor);
    addArchways(ctx, 'H', r.left + 1, r.top - 2, r.left + 1, row - 2);
    return;
  }
}

void stretchRight(StepContext& ctx, const Rect& r) {
  const OccupancyGrid& grid = ctx.model.grid;
  const int limit = ctx.model.state.mapWidth - kMargin;
  if (grid.covered(r.right + kEndProbe, r.top) || r.right >= limit) return;
  for (int column = r.right + 1; column <= limit; ++column) {
    const Band band = columnBand(grid, column, r.top);
    if (band == Band::Mixed) return;
    if (band == Band::Free) continue;
    ctx.canvas.rectangle(r.right + 1, r.top, column - 1, r.bottom);
    UpdateBitMap(ctx, r.right + 1, r.top, column - 1, r.bottom, FeatureType::HorizontalCorridor);
    addArchways(ctx, 'V', r.right - 1, r.top + 1, column - 2, r.top + 1);
    return;
  }
}

}  // namespace

void StretchCorridor(StepContext& ctx) {
  const std::size_t count = ctx.model.lstCorridors.size();
  for (std::size_t i = 0; i < count; i += 2) {
    // Copy: stretching appends to the list.
    const Rect r = parseFeature(ctx.model.lstCorridors[i]).rect;
    if (r.right - r.left == kGridSize) {  // one square wide: a vertical corridor
      stretchUp(ctx, r);
    } else {
      stretchRight(ctx, r);
    }
  }
}

}  // namespace delvora
