#pragma once

#include <string>

#include "dungeon/dungeon.h"

namespace delvora {

// The dungeon's map as a Universal VTT file (format 0.3): walls in grid squares traced from the
// floor as drawn, one portal per live ordinary door (archways are open gaps; concealed and
// secret doors stay wall), and the picture for audience as a base64 PNG at pxPerGrid pixels per
// grid square; the map's size is the picture's. The format has no wall that blocks only
// movement, so the chasm has no walls here. Returns the file's bytes, empty when the picture
// could not be encoded.
std::string uvttFile(const Dungeon& dungeon, Audience audience, int pxPerGrid);

}  // namespace delvora
