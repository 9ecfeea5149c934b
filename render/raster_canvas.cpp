#include "render/raster_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/dimensions.h"
#include "render/digit_font.h"
#include "render/raster_shapes.h"
#include "render/tiles.h"

namespace delvora {

namespace {

constexpr std::size_t kPixelBytes = Bitmap::kBytesPerPixel;

void copyRun(std::uint8_t* p, int count, Rgb color) {
  if (color.r == color.g && color.g == color.b) {
    std::memset(p, color.r, static_cast<std::size_t>(count) * kPixelBytes);
    return;
  }
  for (int i = 0; i < count; ++i, p += kPixelBytes) {
    p[0] = color.r;
    p[1] = color.g;
    p[2] = color.b;
  }
}

void maskRun(std::uint8_t* p, int count, Rgb color) {
  if (color.r == color.g && color.g == color.b) {
    // One mask for every byte: the loop vectorises.
    const std::size_t bytes = static_cast<std::size_t>(count) * kPixelBytes;
    for (std::size_t i = 0; i < bytes; ++i) p[i] &= color.r;
    return;
  }
  for (int i = 0; i < count; ++i, p += kPixelBytes) {
    p[0] &= color.r;
    p[1] &= color.g;
    p[2] &= color.b;
  }
}

// A column of count pixels going down from p, stride bytes apart.
void paintColumn(std::uint8_t* p, std::size_t stride, int count, Rgb color, PenMode mode) {
  for (int i = 0; i < count; ++i, p += stride) {
    if (mode == PenMode::Mask) {
      p[0] &= color.r;
      p[1] &= color.g;
      p[2] &= color.b;
    } else {
      p[0] = color.r;
      p[1] = color.g;
      p[2] = color.b;
    }
  }
}

// The background is thousands of tiles one grid square wide: a fixed-size copy compiles to a
// few moves where a library memcpy call would dominate.
void copyTileRow(std::uint8_t* target, const std::uint8_t* source, std::size_t bytes) {
  constexpr std::size_t kSquareRowBytes = std::size_t{kGridSize} * kPixelBytes;
  if (bytes == kSquareRowBytes) {
    std::memcpy(target, source, kSquareRowBytes);
  } else {
    std::memcpy(target, source, bytes);
  }
}

}  // namespace

void RasterCanvas::reset(int width, int height) {
  m_bitmap.reshape(width, height);
  if (m_bitmap.empty()) return;
  std::memset(m_bitmap.row(0), 0xff,
              static_cast<std::size_t>(m_bitmap.width()) * m_bitmap.height() * kPixelBytes);
}

void RasterCanvas::resetTiled(int width, int height, Tile tile) {
  const TileImage& image = tileImage(tile);
  if (image.transparent || image.width <= 0 || image.height <= 0) {
    Canvas::resetTiled(width, height, tile);
    return;
  }
  m_bitmap.reshape(width, height);
  const std::size_t rowBytes = static_cast<std::size_t>(m_bitmap.width()) * kPixelBytes;
  const std::size_t tileBytes = static_cast<std::size_t>(image.width) * kPixelBytes;
  // Each tile row repeated into a block of whole repeats; the rows are then written a block at
  // a time with fixed-size copies, which compile to plain vector stores.
  constexpr std::size_t kBlockBytes = 96;
  const std::size_t repeats = std::max<std::size_t>(kBlockBytes / tileBytes, 1);
  const std::size_t blockBytes = repeats * tileBytes;
  std::vector<std::uint8_t> blocks(blockBytes * static_cast<std::size_t>(image.height));
  for (int ty = 0; ty < image.height; ++ty) {
    for (std::size_t r = 0; r < repeats; ++r) {
      std::memcpy(&blocks[static_cast<std::size_t>(ty) * blockBytes + r * tileBytes], image.row(ty),
                  tileBytes);
    }
  }
  for (int y = 0; y < m_bitmap.height(); ++y) {
    std::uint8_t* row = m_bitmap.row(y);
    const std::uint8_t* block = &blocks[static_cast<std::size_t>(y % image.height) * blockBytes];
    std::size_t done = 0;
    if (blockBytes == kBlockBytes) {
      for (; done + kBlockBytes <= rowBytes; done += kBlockBytes) {
        std::memcpy(row + done, block, kBlockBytes);
      }
    }
    for (; done < rowBytes; done += blockBytes) {
      std::memcpy(row + done, block, std::min(blockBytes, rowBytes - done));
    }
  }
}

void RasterCanvas::paintSpan(int y, int x0, int x1, Rgb color) {
  if (y < 0 || y >= m_bitmap.height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, m_bitmap.width() - 1);
  if (x0 > x1) return;
  std::uint8_t* p = m_bitmap.row(y) + static_cast<std::size_t>(x0) * kPixelBytes;
  if (m_penMode == PenMode::Mask) {
    maskRun(p, x1 - x0 + 1, color);
  } else {
    copyRun(p, x1 - x0 + 1, color);
  }
}

void RasterCanvas::paintBlock(int left, int top, int right, int bottom, Rgb color) {
  left = std::max(left, 0);
  right = std::min(right, m_bitmap.width());
  top = std::max(top, 0);
  bottom = std::min(bottom, m_bitmap.height());
  if (left >= right || top >= bottom) return;
  if (right - left == 1) {
    const std::size_t stride = static_cast<std::size_t>(m_bitmap.width()) * kPixelBytes;
    std::uint8_t* p = m_bitmap.row(top) + static_cast<std::size_t>(left) * kPixelBytes;
    paintColumn(p, stride, bottom - top, color, m_penMode);
    return;
  }
  for (int y = top; y < bottom; ++y) paintSpan(y, left, right - 1, color);
}

void RasterCanvas::rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  const int w = std::max(m_penWidth, 1);
  const int innerTop = std::min(top + w, bottom);
  const int innerBottom = std::max(bottom - w, innerTop);
  const int innerLeft = std::min(left + w, right);
  const int innerRight = std::max(right - w, innerLeft);
  paintBlock(left, top, right, innerTop, m_penColor);
  paintBlock(left, innerBottom, right, bottom, m_penColor);
  paintBlock(left, innerTop, innerLeft, innerBottom, m_penColor);
  paintBlock(innerRight, innerTop, right, innerBottom, m_penColor);
  if (m_brushStyle == BrushStyle::Solid) {
    paintBlock(innerLeft, innerTop, innerRight, innerBottom, m_brushColor);
  }
}

void RasterCanvas::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                             int cornerHeight) {
  if (right <= left || bottom <= top) return;
  const int height = bottom - top;
  const std::vector<int> insets = roundRectInsets(right - left, height, cornerWidth, cornerHeight);
  for (int i = 0; i < height; ++i) {
    const int first = left + insets[static_cast<std::size_t>(i)];
    const int last = right - 1 - insets[static_cast<std::size_t>(i)];
    // A pixel is outline when a 4-neighbour lies outside the shape, so the outline is closed.
    int innerFirst = first + 1;
    int innerLast = last - 1;
    for (const int j : {i - 1, i + 1}) {
      if (j < 0 || j >= height) {
        innerLast = innerFirst - 1;
        break;
      }
      innerFirst = std::max(innerFirst, left + insets[static_cast<std::size_t>(j)]);
      innerLast = std::min(innerLast, right - 1 - insets[static_cast<std::size_t>(j)]);
    }
    const int y = top + i;
    if (innerFirst > innerLast) {
      paintSpan(y, first, last, m_penColor);
      continue;
    }
    paintSpan(y, first, innerFirst - 1, m_penColor);
    paintSpan(y, innerLast + 1, last, m_penColor);
    if (m_brushStyle == BrushStyle::Solid) paintSpan(y, innerFirst, innerLast, m_brushColor);
  }
}

void RasterCanvas::moveTo(int x, int y) {
  m_x = x;
  m_y = y;
}

void RasterCanvas::lineTo(int x, int y) {
  if (m_penWidth <= 1) {
    thinLine(m_x, m_y, x, y);
  } else {
    const PixelBounds bounds{0, 0, m_bitmap.width() - 1, m_bitmap.height() - 1};
    strokeSpans(m_x, m_y, x, y, m_penWidth, bounds,
                [this](int row, int x0, int x1) { paintSpan(row, x0, x1, m_penColor); });
  }
  m_x = x;
  m_y = y;
}

// Every line reaches across the whole map, so each row is visited once, in memory order: a row
// of a horizontal line is painted whole, any other row one pixel a vertical line. The pixels are
// those the lines paint one by one, since a thin line's pixels take the pen colour (or its mask)
// whatever the order.
void RasterCanvas::gridLines(int width, int height, int step) {
  if (m_penWidth > 1 || step <= 0 || width <= 0 || height <= 0) {
    Canvas::gridLines(width, height, step);
    return;
  }
  const int rows = std::min(height, m_bitmap.height());
  const int columns = std::min(width, m_bitmap.width());
  const std::size_t stepBytes = static_cast<std::size_t>(step) * kPixelBytes;
  const std::size_t rowBytes = static_cast<std::size_t>(std::max(columns, 0)) * kPixelBytes;
  const Rgb color = m_penColor;
  for (int y = 0; y < rows && columns > 0; ++y) {
    if (y % step == 0) {
      paintSpan(y, 0, columns - 1, color);
      continue;
    }
    std::uint8_t* const row = m_bitmap.row(y);
    if (m_penMode == PenMode::Mask) {
      for (std::size_t i = 0; i < rowBytes; i += stepBytes) {
        row[i] &= color.r;
        row[i + 1] &= color.g;
        row[i + 2] &= color.b;
      }
    } else {
      for (std::size_t i = 0; i < rowBytes; i += stepBytes) {
        row[i] = color.r;
        row[i + 1] = color.g;
        row[i + 2] = color.b;
      }
    }
  }
  m_x = width;
  m_y = (height - 1) / step * step;
}

void RasterCanvas::thinLine(int x0, int y0, int x1, int y1) {
  if (y0 == y1) {
    paintSpan(y0, std::min(x0, x1 + 1), std::max(x0, x1 - 1), m_penColor);
    return;
  }
  if (x0 == x1) {
    paintBlock(x0, std::min(y0, y1 + 1), x0 + 1, std::max(y0, y1 - 1) + 1, m_penColor);
    return;
  }
  if (std::max(x0, x1) < 0 || std::min(x0, x1) >= m_bitmap.width() || std::max(y0, y1) < 0 ||
      std::min(y0, y1) >= m_bitmap.height()) {
    return;
  }
  // Bresenham over all octants; the loop stops before the end point.
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  const int steps = std::max(dx, -dy);
  int err = dx + dy;
  for (int i = 0; i < steps; ++i) {
    paintSpan(y0, x0, x0, m_penColor);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void RasterCanvas::drawTile(Tile tile, int x, int y) {
  const TileImage& image = tileImage(tile);
  const int x0 = std::max(x, 0);
  const int x1 = std::min(x + image.width, m_bitmap.width());
  if (x0 >= x1) return;
  const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * kPixelBytes;
  const std::size_t sourceOffset = static_cast<std::size_t>(x0 - x) * kPixelBytes;
  for (int ty = std::max(0, -y); ty < image.height && y + ty < m_bitmap.height(); ++ty) {
    const std::uint8_t* source = image.row(ty) + sourceOffset;
    std::uint8_t* target = m_bitmap.row(y + ty) + static_cast<std::size_t>(x0) * kPixelBytes;
    if (!image.transparent) {
      copyTileRow(target, source, bytes);
      continue;
    }
    const Rgb clear = *image.transparent;
    for (std::size_t i = 0; i < bytes; i += kPixelBytes) {
      if (source[i] == clear.r && source[i + 1] == clear.g && source[i + 2] == clear.b) continue;
      std::memcpy(target + i, source + i, kPixelBytes);
    }
  }
}

void RasterCanvas::textOut(int x, int y, std::string_view text) {
  const TileSize cell = fontCellSize();
  const bool box = m_brushStyle == BrushStyle::Solid;
  const int top = std::max(y, 0);
  const auto bottom = static_cast<int>(
      std::min(static_cast<long>(y) + cell.height, static_cast<long>(m_bitmap.height())));
  for (std::size_t i = 0; i < text.size(); ++i) {
    const long cellLeft = x + static_cast<long>(i) * cell.width;
    if (cellLeft >= m_bitmap.width()) break;
    const int first = static_cast<int>(std::max(cellLeft, 0L));
    const int last =
        static_cast<int>(std::min(cellLeft + cell.width, static_cast<long>(m_bitmap.width())));
    for (int py = top; py < bottom; ++py) {
      const std::uint32_t ink = fontInkRow(text[i], py - y);
      std::uint8_t* p = m_bitmap.row(py) + static_cast<std::size_t>(first) * kPixelBytes;
      for (int px = first; px < last; ++px, p += kPixelBytes) {
        const bool inked = ((ink >> (px - cellLeft)) & 1U) != 0;
        if (!inked && !box) continue;
        const Rgb color = inked ? m_fontColor : m_brushColor;
        p[0] = color.r;
        p[1] = color.g;
        p[2] = color.b;
      }
    }
  }
}

}  // namespace delvora
