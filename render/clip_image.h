#pragma once

#include "engine/occupancy_grid.h"
#include "render/bitmap.h"

namespace delvora {

// The occupied part of the map plus a 5-pixel margin, clamped to the map (map size =
// grid.width() x grid.height()); with nothing occupied, the 5 x 5 pixels at (0, 0). Pixels
// outside map, should it be smaller than the grid's map size, come out white.
Bitmap ClipImage(const OccupancyGrid& grid, const Bitmap& map);

}  // namespace delvora
