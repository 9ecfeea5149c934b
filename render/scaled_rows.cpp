#include "render/scaled_rows.h"

#include <algorithm>

namespace delvora {

int scaledLength(int sourcePixels, int pxPerGrid) {
  return static_cast<int>(static_cast<std::int64_t>(sourcePixels) * pxPerGrid / kGridSize);
}

ScaledRows::ScaledRows(const Bitmap& source, int pxPerGrid)
    : ScaledRows(source.empty() ? nullptr : source.row(0), source.width(), source.height(),
                 Bitmap::kBytesPerPixel, pxPerGrid) {}

ScaledRows::ScaledRows(const IndexedImage& source, int pxPerGrid)
    : ScaledRows(source.indices.data(), source.width, source.height, 1, pxPerGrid) {}

ScaledRows::ScaledRows(const std::uint8_t* pixels, int width, int height, int bytesPerPixel,
                       int pxPerGrid)
    : m_pixels(pixels),
      m_sourceWidth(width),
      m_bytesPerPixel(bytesPerPixel),
      m_pxPerGrid(std::max(pxPerGrid, 1)),
      m_width(scaledLength(width, m_pxPerGrid)),
      m_height(scaledLength(height, m_pxPerGrid)),
      m_columns(static_cast<std::size_t>(std::max(m_width, 0))),
      m_row(m_columns.size() * static_cast<std::size_t>(bytesPerPixel)) {
  for (int x = 0; x < m_width; ++x) {
    m_columns[static_cast<std::size_t>(x)] =
        static_cast<int>(static_cast<std::int64_t>(x) * kGridSize / m_pxPerGrid);
  }
}

const std::uint8_t* ScaledRows::row(int y) {
  const int sourceRow = static_cast<int>(static_cast<std::int64_t>(y) * kGridSize / m_pxPerGrid);
  // Scaling up repeats each source row; it is only scaled again when the source row changes.
  if (sourceRow != m_sourceRow) {
    const auto pixelBytes = static_cast<std::size_t>(m_bytesPerPixel);
    const std::uint8_t* in = m_pixels + static_cast<std::size_t>(sourceRow) *
                                            static_cast<std::size_t>(m_sourceWidth) * pixelBytes;
    std::uint8_t* out = m_row.data();
    for (const int column : m_columns) {
      const std::uint8_t* pixel = in + static_cast<std::size_t>(column) * pixelBytes;
      out = std::copy(pixel, pixel + pixelBytes, out);
    }
    m_sourceRow = sourceRow;
  }
  return m_row.data();
}

}  // namespace delvora
