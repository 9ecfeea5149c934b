#include "render/bitmap.h"

#include <algorithm>

namespace delvora {

Bitmap::Bitmap(int width, int height, Rgb fill)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_pixels(
          static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * kBytesPerPixel,
          fill.r) {
  if (fill.r == fill.g && fill.g == fill.b) return;  // grey fills are one memset
  for (std::size_t i = 0; i < m_pixels.size(); i += kBytesPerPixel) {
    m_pixels[i + 1] = fill.g;
    m_pixels[i + 2] = fill.b;
  }
}

void Bitmap::reshape(int width, int height) {
  m_width = std::max(width, 0);
  m_height = std::max(height, 0);
  m_pixels.resize(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) *
                  kBytesPerPixel);
}

}  // namespace delvora
