#pragma once

#include <cstdint>

#include "engine/canvas.h"

namespace delvora {

// The room-number font: every character takes one fixed cell, 6 x 13 pixels like an 8-point
// sans-serif screen font; the digits 0-9 have ink, other characters are blank.
TileSize fontCellSize();

// True when pixel (x, y) of the cell of c is ink. Precondition: (x, y) lies in the cell.
bool fontInk(char c, int x, int y);

// The ink of row y of the cell of c, bit x for pixel x; 0 for characters other than the digits.
// Precondition: 0 <= y < the cell's height.
std::uint32_t fontInkRow(char c, int y);

}  // namespace delvora
