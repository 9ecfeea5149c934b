#pragma once

#include <cstdint>
#include <vector>

#include "engine/dimensions.h"
#include "render/bitmap.h"
#include "render/indexed_image.h"

namespace delvora {

// Size in pixels of a length of source pixels at pxPerGrid pixels per grid square.
int scaledLength(int sourcePixels, int pxPerGrid);

// Nearest-neighbour rows of a picture at pxPerGrid pixels per grid square (1 or more),
// made one at a time into a single row buffer: never a second copy of the whole image. The
// picture is a bitmap (rows of RGB) or its palette indices (a byte a pixel).
class ScaledRows {
 public:
  ScaledRows(const Bitmap& source, int pxPerGrid);
  ScaledRows(const IndexedImage& source, int pxPerGrid);

  int width() const { return m_width; }
  int height() const { return m_height; }
  // Row y of the scaled image, valid until the next call; rows may come in any order.
  const std::uint8_t* row(int y);

 private:
  ScaledRows(const std::uint8_t* pixels, int width, int height, int bytesPerPixel, int pxPerGrid);

  const std::uint8_t* m_pixels;
  int m_sourceWidth;
  int m_bytesPerPixel;
  int m_pxPerGrid;
  int m_width;
  int m_height;
  // Source column of every scaled column.
  std::vector<int> m_columns;
  std::vector<std::uint8_t> m_row;
  int m_sourceRow = -1;
};

}  // namespace delvora
