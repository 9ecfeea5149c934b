#include "render/player_canvas.h"

namespace delvora {

bool PlayerMapCanvas::hidesTile(Tile tile) {
  return tile == Tile::HConDoor || tile == Tile::VConDoor || tile == Tile::HSecDoor ||
         tile == Tile::VSecDoor;
}

// A door tile is drawn right after the feature it joins, over the two outlines of the shared
// wall line; leaving it out shows exactly what the map held there without a door.
void PlayerMapCanvas::drawTile(Tile tile, int x, int y) {
  if (!hidesTile(tile)) m_target.drawTile(tile, x, y);
}

void PlayerMapCanvas::resetTiled(int width, int height, Tile tile) {
  if (hidesTile(tile)) {
    m_target.reset(width, height);
  } else {
    m_target.resetTiled(width, height, tile);
  }
}

}  // namespace delvora
