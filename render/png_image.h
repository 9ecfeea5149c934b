#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "render/bitmap.h"

namespace delvora {

// Hands out row y (0 <= y < height, asked for in order) as width bytes of palette indices or
// width * 3 RGB bytes; the pointer need only stay valid until the next call.
using PngRowSource = std::function<const std::uint8_t*(int y)>;

// zlib levels, chosen by measuring maps (BM_WritePng): a map as drawn at 3, which writes the
// largest map in about a tenth of the time the 24-bit PNG took at libpng's defaults, into a
// smaller file (levels 1 to 3 take about the same time here, 4 twice as long); a scaled picture,
// whose repeated rows and columns only the lazy matching of level 4 and above finds well, at 4.
inline constexpr int kDrawnMapLevel = 3;
inline constexpr int kScaledPictureLevel = 4;

// A picture to encode as a PNG: 8-bit palette indices when palette is set (at most 256
// colours), else 24-bit RGB. Rows are written with the Up filter (each row as its difference
// from the one above), which turns the many rows of a map equal to the row above into zeros.
struct PngImage {
  int width = 0;
  int height = 0;
  const std::vector<Rgb>* palette = nullptr;
  PngRowSource rows;
  // zlib's compression level, 1 (fastest) to 9 (smallest).
  int level = kDrawnMapLevel;
};

}  // namespace delvora
