#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "render/bitmap.h"
#include "render/pixel_allocator.h"

namespace delvora {

// An 8-bit palette picture: at most 256 colours and the pixels as indices into them (a map
// written as a PNG, the print bitmap after the palette step).
struct IndexedImage {
  int width = 0;
  int height = 0;
  // indexColours lists the colours in order of first appearance, row by row.
  std::vector<Rgb> palette;
  // width * height indices, row-major from the top row.
  std::vector<std::uint8_t, PixelAllocator<std::uint8_t>> indices;

  bool empty() const { return width == 0 || height == 0; }
  const std::uint8_t* row(int y) const {
    return indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
  }
  // Precondition: 0 <= x < width, 0 <= y < height.
  Rgb pixel(int x, int y) const { return palette[row(y)[x]]; }
};

// The bitmap as indices into its colours, or nullopt when it has more than 256 of them.
std::optional<IndexedImage> indexColours(const Bitmap& bitmap);

}  // namespace delvora
