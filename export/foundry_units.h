#pragma once

#include <cmath>

#include "engine/dimensions.h"

namespace delvora {

// A length or coordinate of the map in the Foundry scene's image pixels at pxPerGrid pixels per
// grid square (kGridSize map pixels), rounded as the scene's walls are.
inline long foundryPixels(int mapPixels, int pxPerGrid) {
  return std::lround(static_cast<double>(mapPixels) * pxPerGrid / kGridSize);
}

}  // namespace delvora
