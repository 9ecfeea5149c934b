#include "export/scaled_png.h"

#include <algorithm>

namespace delvora {

int scaledLength(int sourcePixels, int pxPerGrid) {
  return static_cast<int>(static_cast<std::int64_t>(sourcePixels) * pxPerGrid / kGridSize);
}

ScaledRows::ScaledRows(const Bitmap& source, int pxPerGrid)
    : m_source(source),
      m_pxPerGrid(std::max(pxPerGrid, 1)),
      m_width(scaledLength(source.width(), m_pxPerGrid)),
      m_height(scaledLength(source.height(), m_pxPerGrid)),
      m_columns(static_cast<std::size_t>(std::max(m_width, 0))),
      m_row(m_columns.size() * Bitmap::kBytesPerPixel) {
  for (int x = 0; x < m_width; ++x) {
    m_columns[static_cast<std::size_t>(x)] =
        static_cast<int>(static_cast<std::int64_t>(x) * kGridSize / m_pxPerGrid);
  }
}

const std::uint8_t* ScaledRows::row(int y) {
  const int sourceRow = static_cast<int>(static_cast<std::int64_t>(y) * kGridSize / m_pxPerGrid);
  // Scaling up repeats each source row; it is only scaled again when the source row changes.
  if (sourceRow != m_sourceRow) {
    const std::uint8_t* in = m_source.row(sourceRow);
    std::uint8_t* out = m_row.data();
    for (const int column : m_columns) {
      const std::uint8_t* pixel = in + static_cast<std::size_t>(column) * Bitmap::kBytesPerPixel;
      out = std::copy(pixel, pixel + Bitmap::kBytesPerPixel, out);
    }
    m_sourceRow = sourceRow;
  }
  return m_row.data();
}

std::string writeScaledPng(const Bitmap& bitmap, int pxPerGrid, const std::string& path,
                           const RowProgress& progress) {
  if (pxPerGrid == kGridSize) return writePng(bitmap, path);
  ScaledRows rows(bitmap, pxPerGrid);
  if (!progress) return writePngRows(rows.width(), rows.height(), rows.source(), path);
  const int height = rows.height();
  const PngRowSource told = [&rows, &progress, height](int y) {
    progress(y, height);
    return rows.row(y);
  };
  const std::string error = writePngRows(rows.width(), height, told, path);
  progress(height, height);
  return error;
}

std::string encodeScaledPng(const Bitmap& bitmap, int pxPerGrid, std::vector<std::uint8_t>& png) {
  ScaledRows rows(bitmap, pxPerGrid);
  return encodePngRows(rows.width(), rows.height(), rows.source(), png);
}

}  // namespace delvora
