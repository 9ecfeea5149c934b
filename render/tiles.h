#pragma once

#include <string_view>

#include "engine/canvas.h"
#include "render/tile_image.h"

namespace delvora {

// The picture of a tile; its size equals tileSize(tile). The stairs tiles have white as their
// transparent colour.
const TileImage& tileImage(Tile tile);

// The legend strip above the map, left to right.
enum class LegendItem { Arch, Door, ConcealedDoor, SecretDoor };
inline constexpr int kLegendItemCount = 4;

// The 25 x 10 colour swatch of a legend item: white, red, green or blue.
const TileImage& legendSwatch(LegendItem item);
// "Arch", "Door", "Concealed Door" or "Secret Door".
std::string_view legendCaption(LegendItem item);

}  // namespace delvora
