#pragma once

#include <cstdint>
#include <vector>

#include "engine/canvas.h"
#include "render/pixel_allocator.h"

namespace delvora {

// A 24-bit RGB raster, row-major, 3 bytes a pixel (red, green, blue). New bitmaps are white
// unless another fill is given.
class Bitmap {
 public:
  static constexpr int kBytesPerPixel = 3;

  Bitmap() = default;
  // Negative sizes count as 0.
  Bitmap(int width, int height, Rgb fill = colors::kWhite);

  int width() const { return m_width; }
  int height() const { return m_height; }
  bool empty() const { return m_width == 0 || m_height == 0; }
  // Makes the bitmap width x height (negative sizes count as 0) with unspecified pixels, for a
  // caller that paints every one of them; the storage is kept when it is large enough.
  void reshape(int width, int height);

  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

  // Precondition: contains(x, y).
  Rgb pixel(int x, int y) const {
    const std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * kBytesPerPixel;
    return {p[0], p[1], p[2]};
  }
  // Precondition: contains(x, y).
  void setPixel(int x, int y, Rgb color) {
    std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * kBytesPerPixel;
    p[0] = color.r;
    p[1] = color.g;
    p[2] = color.b;
  }

  // The width * 3 bytes of row y. Precondition: 0 <= y < height().
  std::uint8_t* row(int y) { return m_pixels.data() + rowOffset(y); }
  const std::uint8_t* row(int y) const { return m_pixels.data() + rowOffset(y); }

  bool operator==(const Bitmap&) const = default;

 private:
  std::size_t rowOffset(int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) * kBytesPerPixel;
  }

  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint8_t, PixelAllocator<std::uint8_t>> m_pixels;
};

}  // namespace delvora
