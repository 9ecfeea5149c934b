#include "engine/steps.h"

namespace delvora {

namespace {

constexpr int kBand = 10;  // only the first ten pixels of a corridor's width are scanned
constexpr int kMargin = 30;

enum class Band { Free, Covered, Mixed };

Band rowBand(const OccupancyGrid& grid, int left, int y) {
  const bool first = grid.covered(left, y);
  for (int x = left + 1; x < left + kBand; ++x) {
    if (grid.covered(x, y) != first) return Band::Mixed;
  }
  return first ? Band::Covered : Band::Free;
}

Band columnBand(const OccupancyGrid& grid, int x, int top) {
  const bool first = grid.covered(x, top);
  for (int y = top + 1; y < top + kBand; ++y) {
    if (grid.covered(x, y) != first) return Band::Mixed;
  }
  return first ? Band::Covered : Band::Free;
}

void stretchUp(StepContext& ctx, const Rect& r) {
  const OccupancyGrid& grid = ctx.model.grid;
  if (r.top <= kMargin || grid.covered(r.left, r.top - 3)) return;
  for (int row = r.top - 1; row >= kMargin; --row) {
    const Band band = rowBand(grid, r.left, row);
    if (band == Band::Mixed) return;
    if (band == Band::Free) continue;
    ctx.canvas.rectangle(r.left, row + 1, r.right, r.top - 1);
    UpdateBitMap(ctx, r.left, row + 1, r.right, r.top - 1, kVerticalCorridor);
    ctx.model.state.doorOrientation = 'H';
    AddDoor(ctx, r.left + 1, r.top - 2, true);
    AddDoor(ctx, r.left + 1, row - 2, true);
    return;
  }
}

void stretchRight(StepContext& ctx, const Rect& r) {
  const OccupancyGrid& grid = ctx.model.grid;
  const int limit = ctx.model.state.mapWidth - kMargin;
  if (grid.covered(r.right + 3, r.top) || r.right >= limit) return;
  for (int column = r.right + 1; column <= limit; ++column) {
    const Band band = columnBand(grid, column, r.top);
    if (band == Band::Mixed) return;
    if (band == Band::Free) continue;
    ctx.canvas.rectangle(r.right + 1, r.top, column - 1, r.bottom);
    UpdateBitMap(ctx, r.right + 1, r.top, column - 1, r.bottom, kHorizontalCorridor);
    ctx.model.state.doorOrientation = 'V';
    AddDoor(ctx, r.right - 1, r.top + 1, true);
    AddDoor(ctx, column - 2, r.top + 1, true);
    return;
  }
}

}  // namespace

void StretchCorridor(StepContext& ctx) {
  const std::size_t count = ctx.model.lstCorridors.size();
  for (std::size_t i = 0; i < count; i += 2) {
    // Copy: stretching appends to the list.
    const Rect r = parseFeature(ctx.model.lstCorridors[i]).rect;
    if (r.right - r.left == 16) {
      stretchUp(ctx, r);
    } else {
      stretchRight(ctx, r);
    }
  }
}

}  // namespace delvora
