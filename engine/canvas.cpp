#include "engine/canvas.h"

#include <array>

namespace delvora {

TileSize tileSize(Tile tile) {
  static constexpr std::array<TileSize, kTileCount> kSizes{{
      {14, 7},   // HDoor
      {7, 14},   // VDoor
      {14, 7},   // HConDoor
      {7, 14},   // VConDoor
      {14, 7},   // HSecDoor
      {7, 14},   // VSecDoor
      {14, 7},   // HArch
      {7, 14},   // VArch
      {16, 16},  // Speckled
      {10, 10},  // SmallWhite
      {16, 7},   // CloseUp
      {16, 10},  // CloseDown
      {9, 16},   // CloseLeft
      {9, 16},   // CloseRight
      {14, 7},   // CloseUp2
      {14, 7},   // CloseDown2
      {7, 14},   // CloseLeft2
      {8, 16},   // CloseRight2
      {16, 16},  // StairsUp
      {16, 16},  // StairsDown
  }};
  return kSizes[static_cast<std::size_t>(tile)];
}

void Canvas::resetTiled(int width, int height, Tile tile) {
  reset(width, height);
  const TileSize size = tileSize(tile);
  for (int y = 0; y < height; y += size.height) {
    for (int x = 0; x < width; x += size.width) drawTile(tile, x, y);
  }
}

void Canvas::gridLines(int width, int height, int step) {
  for (int x = 0; x < width; x += step) {
    moveTo(x, 0);
    lineTo(x, height);
  }
  for (int y = 0; y < height; y += step) {
    moveTo(0, y);
    lineTo(width, y);
  }
}

}  // namespace delvora
