#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "render/bitmap.h"
#include "render/pixel_allocator.h"

namespace delvora {

// A picture's colours and its pixels as indices into them.
struct IndexedImage {
  int width = 0;
  int height = 0;
  // In order of first appearance, row by row.
  std::vector<Rgb> palette;
  // width * height indices, row-major.
  std::vector<std::uint8_t, PixelAllocator<std::uint8_t>> indices;

  const std::uint8_t* row(int y) const {
    return indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
  }
};

// The bitmap as indices into its colours, or nullopt when it has more than 256 of them.
std::optional<IndexedImage> indexColours(const Bitmap& bitmap);

}  // namespace delvora
