#include "render/digit_font.h"

#include <vector>

#include "render/tile_image.h"

namespace delvora {

namespace {

// The ten digit cells stand side by side in one strip, ink black.
const TileImage& digitStrip() {
  static const TileImage& kStrip = embeddedPicture("Digits");
  return kStrip;
}

// The ink of every row of every digit, read from the strip once: rooms are numbered pixel by
// pixel.
std::vector<std::uint32_t> inkRows() {
  const TileImage& strip = digitStrip();
  const int width = strip.width / 10;
  std::vector<std::uint32_t> rows(static_cast<std::size_t>(10 * strip.height), 0);
  for (int digit = 0; digit < 10; ++digit) {
    for (int y = 0; y < strip.height; ++y) {
      std::uint32_t ink = 0;
      for (int x = 0; x < width && x < 32; ++x) {
        if (strip.pixel(digit * width + x, y) == colors::kBlack) ink |= std::uint32_t{1} << x;
      }
      rows[static_cast<std::size_t>(digit) * static_cast<std::size_t>(strip.height) +
           static_cast<std::size_t>(y)] = ink;
    }
  }
  return rows;
}

}  // namespace

TileSize fontCellSize() {
  const TileImage& strip = digitStrip();
  return {strip.width / 10, strip.height};
}

std::uint32_t fontInkRow(char c, int y) {
  static const std::vector<std::uint32_t> kRows = inkRows();
  if (c < '0' || c > '9') return 0;
  const auto digit = static_cast<std::size_t>(c - '0');
  return kRows[digit * static_cast<std::size_t>(digitStrip().height) + static_cast<std::size_t>(y)];
}

bool fontInk(char c, int x, int y) {
  if (c < '0' || c > '9') return false;
  const int cellX = (c - '0') * fontCellSize().width + x;
  return digitStrip().pixel(cellX, y) == colors::kBlack;
}

}  // namespace delvora
