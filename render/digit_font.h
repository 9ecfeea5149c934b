#pragma once

#include "engine/canvas.h"

namespace delvora {

// The room-number font: every character takes one fixed cell, 6 x 13 pixels like an 8-point
// sans-serif screen font; the digits 0-9 have ink, other characters are blank.
TileSize fontCellSize();

// True when pixel (x, y) of the cell of c is ink. Precondition: (x, y) lies in the cell.
bool fontInk(char c, int x, int y);

}  // namespace delvora
