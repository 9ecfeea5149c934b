#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "dungeon/dungeon.h"
#include "export/foundry_lighting.h"

namespace delvora {

// The dungeon's map as a Universal VTT file (format 0.3): walls in grid squares traced from the
// floor as drawn, one portal per live ordinary door (archways are open gaps; concealed and
// secret doors stay wall), and the picture for audience as a base64 PNG at pxPerGrid pixels per
// grid square; the map's size is the picture's (uvttMapSize). The format has no wall that blocks
// only movement, so the chasm has no walls here. Its environment and empty lights list follow
// lighting (uvttEnvironment). Returns the file's bytes, empty when the picture could not be
// encoded.
std::string uvttFile(const Dungeon& dungeon, Audience audience, int pxPerGrid,
                     SceneLighting lighting = SceneLighting::Lit);
// The same with the picture's PNG (at pxPerGrid) encoded elsewhere; empty when png is.
std::string uvttFile(const Dungeon& dungeon, std::span<const std::uint8_t> png, int pxPerGrid,
                     SceneLighting lighting = SceneLighting::Lit);

// The map's size in squares for a picture side of pictureSide pixels at pxPerGrid: the
// smallest double whose product with pxPerGrid is not below pictureSide, so that an importer
// multiplying them back never makes the scene a pixel shorter than the picture.
double uvttMapSize(long pictureSide, int pxPerGrid);

}  // namespace delvora
