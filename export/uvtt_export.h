#pragma once

#include <string>

#include "engine/map_model.h"
#include "render/bitmap.h"

namespace delvora {

// Writes the map as a Universal VTT file (format 0.3): walls in grid squares traced from the
// floor as drawn, one portal per live ordinary door (archways are open gaps; concealed and
// secret doors stay wall), and the bitmap as a base64 PNG at pxPerGrid pixels per grid
// square; the map's size is the picture's. The format has no wall that blocks only movement,
// so the chasm has no walls here. Returns "" on success, else a one-line message naming the
// file.
std::string writeUvtt(const MapModel& model, const Bitmap& map, int pxPerGrid,
                      const std::string& path);

}  // namespace delvora
