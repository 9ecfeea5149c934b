#include "render/tiles.h"

#include <array>
#include <stdexcept>
#include <string>

namespace delvora {

const TileImage& embeddedPicture(std::string_view name) {
  for (const EmbeddedPicture& picture : embeddedPictures()) {
    if (picture.name == name) return picture.image;
  }
  throw std::out_of_range("no embedded picture \"" + std::string(name) + "\"");
}

namespace {

constexpr std::array<std::string_view, kTileCount> kTileNames{
    "HDoor",    "VDoor",      "HConDoor",   "VConDoor",    "HSecDoor",  "VSecDoor",   "HArch",
    "VArch",    "Speckled",   "SmallWhite", "CloseUp",     "CloseDown", "CloseLeft",  "CloseRight",
    "CloseUp2", "CloseDown2", "CloseLeft2", "CloseRight2", "StairsUp",  "StairsDown",
};

struct LegendEntry {
  std::string_view picture;
  std::string_view caption;
};

constexpr std::array<LegendEntry, kLegendItemCount> kLegend{{
    {"Image5", "Arch"},
    {"Image2", "Door"},
    {"Image3", "Concealed Door"},
    {"Image4", "Secret Door"},
}};

// Resolved once: drawTile runs thousands of times a map.
std::array<const TileImage*, kTileCount> resolveTiles() {
  std::array<const TileImage*, kTileCount> tiles{};
  for (std::size_t i = 0; i < tiles.size(); ++i) tiles[i] = &embeddedPicture(kTileNames[i]);
  return tiles;
}

}  // namespace

const TileImage& tileImage(Tile tile) {
  static const std::array<const TileImage*, kTileCount> kTiles = resolveTiles();
  return *kTiles[static_cast<std::size_t>(tile)];
}

const TileImage& legendSwatch(LegendItem item) {
  return embeddedPicture(kLegend[static_cast<std::size_t>(item)].picture);
}

std::string_view legendCaption(LegendItem item) {
  return kLegend[static_cast<std::size_t>(item)].caption;
}

}  // namespace delvora
