#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dungeon/dungeon.h"
#include "dungeon/foundry_names.h"
#include "export/foundry_lighting.h"

namespace delvora {

// Where a scene written to scenePath finds its background, relative to Foundry's Data folder:
// "delvora/" and the name of the image written beside the scene.
std::string foundryBackgroundSource(const std::string& scenePath);

// What a Foundry VTT scene is made of besides the map.
struct FoundryScene {
  // The scene's name; "Delvora dungeon" when empty.
  std::string title;
  // Image pixels per grid square (kGridSize map pixels).
  int pxPerGrid = 100;
  // background.src of the scene (foundryBackgroundSource, or where the user keeps the image).
  std::string backgroundSource;
  // Lit everywhere (global illumination), or only by the light tokens carry.
  SceneLighting lighting = SceneLighting::Lit;
};

// A scene file and the image it shows.
struct FoundryFiles {
  std::string scene;
  std::vector<std::uint8_t> image;
};

// A Foundry VTT scene for v12 and later (name, width and height of the image, no padding, a
// square grid of pxPerGrid pixels and 5 ft, background.src, walls, a region per room
// (roomRegions) and its lighting (foundryLighting)) and the picture for audience as its PNG. Walls
// are in pixels of the image: every wall blocks movement, sight, light and sound; a door wall spans
// every live door (door 1, or 2 secret for concealed and secret doors; ds 2 when its dressing is
// locked or stuck, else 0); archways are open gaps; the chasm's outline blocks movement only. The
// image is empty when it could not be encoded.
FoundryFiles foundryFiles(const Dungeon& dungeon, Audience audience, const FoundryScene& scene);
// The scene file alone, for a picture encoded elsewhere.
std::string foundrySceneFile(const Dungeon& dungeon, Audience audience, const FoundryScene& scene);

}  // namespace delvora
