#pragma once

#include <cstdint>
#include <vector>

#include "print/dib.h"
#include "render/indexed_image.h"

namespace delvora::testing {

// A width x height palette picture whose index at (x, y) is (x + 7 * y) % 256, over a grey
// palette of 256 entries, so every tile's source position can be read back from its pixels.
inline IndexedImage numberedImage(int width, int height) {
  IndexedImage image;
  image.width = width;
  image.height = height;
  for (int i = 0; i < 256; ++i) {
    const auto v = static_cast<std::uint8_t>(i);
    image.palette.push_back({v, v, v});
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.indices.push_back(static_cast<std::uint8_t>((x + 7 * y) % 256));
  }
  return image;
}

inline Dib numberedDib(int width, int height) {
  return *extractDib(numberedImage(width, height));
}

}  // namespace delvora::testing
