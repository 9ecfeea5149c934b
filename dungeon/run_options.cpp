#include "dungeon/run_options.h"

#include <algorithm>

namespace delvora {

long long pictureSide(const Settings& settings, int pxPerGrid) {
  const MapSize size = mapSizeFor(settings.mapSizeIndex);
  return static_cast<long long>(std::max(size.width, size.height)) * pxPerGrid / kDrawnPxPerGrid;
}

}  // namespace delvora
