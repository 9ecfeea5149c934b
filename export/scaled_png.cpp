#include "export/scaled_png.h"

#include <algorithm>
#include <optional>

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

namespace {

// Writes or encodes the bitmap at the scale through write, with its palette when it has one.
template <typename Write>
std::string withScaledImage(const Bitmap& bitmap, int pxPerGrid, const Write& write) {
  const int level = pxPerGrid == kGridSize ? kDrawnMapLevel : kScaledPictureLevel;
  const std::optional<IndexedImage> indexed = indexColours(bitmap);
  if (!indexed) {
    ScaledRows rows(bitmap, pxPerGrid);
    return write(PngImage{rows.width(), rows.height(), nullptr, rows.source(), level});
  }
  if (pxPerGrid == kGridSize) {
    return write(PngImage{indexed->width, indexed->height, &indexed->palette,
                          [&indexed](int y) { return indexed->row(y); }, level});
  }
  ScaledRows rows(*indexed, pxPerGrid);
  return write(PngImage{rows.width(), rows.height(), &indexed->palette, rows.source(), level});
}

}  // namespace

std::string writeScaledPng(const Bitmap& bitmap, int pxPerGrid, const std::string& path,
                           const RowProgress& progress) {
  return withScaledImage(bitmap, pxPerGrid, [&](PngImage image) {
    if (!progress || pxPerGrid == kGridSize) return writePngImage(image, path);
    const int height = image.height;
    image.rows = [rows = std::move(image.rows), &progress, height](int y) {
      progress(y, height);
      return rows(y);
    };
    const std::string error = writePngImage(image, path);
    progress(height, height);
    return error;
  });
}

std::string encodeScaledPng(const Bitmap& bitmap, int pxPerGrid, std::vector<std::uint8_t>& png) {
  return withScaledImage(bitmap, pxPerGrid,
                         [&png](const PngImage& image) { return encodePngImage(image, png); });
}

}  // namespace delvora
