#pragma once

#include <cstdint>
#include <vector>

#include "engine/canvas.h"

namespace delvora {

// An 8-bit palette picture (the print bitmap): width x height indices, row-major from the top
// row, each naming an entry of palette.
struct PaletteImage {
  int width = 0;
  int height = 0;
  // At most 256 entries; the palette step makes at most 236.
  std::vector<Rgb> palette;
  std::vector<std::uint8_t> indices;

  bool empty() const { return width == 0 || height == 0; }
  // Precondition: 0 <= x < width, 0 <= y < height.
  Rgb pixel(int x, int y) const {
    return palette[indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)]];
  }
};

}  // namespace delvora
