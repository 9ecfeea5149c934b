#include "render/clip_image.h"

#include <algorithm>
#include <cstring>

namespace delvora {

namespace {

constexpr int kMargin = 5;

struct Extent {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// One pass down the grid's columns, which are contiguous; gives the same bounds as scanning
// columns from each side and rows from each side.
Extent occupiedExtent(const OccupancyGrid& grid) {
  Extent extent;
  bool found = false;
  for (int x = 0; x <= grid.width(); ++x) {
    int first = -1;
    int last = -1;
    for (int y = 0; y <= grid.height(); ++y) {
      if (!grid.covered(x, y)) continue;
      if (first < 0) first = y;
      last = y;
    }
    if (first < 0) continue;
    if (!found) {
      extent = {x, first, x, last};
      found = true;
    }
    extent.top = std::min(extent.top, first);
    extent.bottom = std::max(extent.bottom, last);
    extent.right = x;
  }
  return extent;
}

}  // namespace

Bitmap ClipImage(const OccupancyGrid& grid, const Bitmap& map) {
  const Extent occupied = occupiedExtent(grid);
  const int left = std::max(occupied.left - kMargin, 0);
  const int top = std::max(occupied.top - kMargin, 0);
  const int right = std::min(occupied.right + kMargin, grid.width());
  const int bottom = std::min(occupied.bottom + kMargin, grid.height());
  Bitmap clip(right - left, bottom - top);
  const int copyRight = std::min(right, map.width());
  if (copyRight <= left) return clip;
  const std::size_t bytes = static_cast<std::size_t>(copyRight - left) * Bitmap::kBytesPerPixel;
  for (int y = top; y < std::min(bottom, map.height()); ++y) {
    std::memcpy(clip.row(y - top),
                map.row(y) + static_cast<std::size_t>(left) * Bitmap::kBytesPerPixel, bytes);
  }
  return clip;
}

}  // namespace delvora
