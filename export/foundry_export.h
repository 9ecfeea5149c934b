#pragma once

#include <string>

#include "engine/map_model.h"
#include "render/bitmap.h"

namespace delvora {

// The background image written beside a scene file: its name with ".json" (if any) replaced
// by ".png".
std::string foundryImagePath(const std::string& scenePath);

// Where the scene tells Foundry to find its background, relative to Foundry's Data folder when
// none is given: "delvora/" and the name of the image written beside the scene.
std::string foundryBackgroundSource(const std::string& scenePath);

// What a Foundry VTT scene is made of besides the map.
struct FoundryScene {
  // The scene's name; "Delvora dungeon" when empty.
  std::string title;
  // Image pixels per grid square (kGridSize map pixels).
  int pxPerGrid = 100;
  // background.src of the scene; empty gives foundryBackgroundSource(path).
  std::string backgroundSource;
};

// Writes a Foundry VTT scene for v12 and later (name, width and height of the image, no padding,
// a square grid of pxPerGrid pixels and 5 ft, background.src, walls) and the bitmap as the PNG at
// foundryImagePath(path). Walls are in pixels of the image: every wall blocks movement, sight,
// light and sound; a door wall spans every live door (door 1, or 2 secret for concealed and
// secret doors; ds 2 when its dressing is locked or stuck, else 0); archways are open gaps; the
// chasm's outline blocks movement only. Returns "" on success, else one one-line message per
// file that failed.
std::string writeFoundryScene(const MapModel& model, const Bitmap& map, const FoundryScene& scene,
                              const std::string& path);

}  // namespace delvora
