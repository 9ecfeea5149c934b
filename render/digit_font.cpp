#include "render/digit_font.h"

#include "render/tile_image.h"

namespace delvora {

namespace {

// The ten digit cells stand side by side in one strip, ink black.
const TileImage& digitStrip() {
  static const TileImage& kStrip = embeddedPicture("Digits");
  return kStrip;
}

}  // namespace

TileSize fontCellSize() {
  const TileImage& strip = digitStrip();
  return {strip.width / 10, strip.height};
}

bool fontInk(char c, int x, int y) {
  if (c < '0' || c > '9') return false;
  const int cellX = (c - '0') * fontCellSize().width + x;
  return digitStrip().pixel(cellX, y) == colors::kBlack;
}

}  // namespace delvora
