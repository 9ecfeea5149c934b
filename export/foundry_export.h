#pragma once

#include <string>

#include "engine/map_model.h"
#include "render/bitmap.h"

namespace delvora {

// The background image written beside a scene file: its name with ".json" (if any) replaced
// by ".png".
std::string foundryImagePath(const std::string& scenePath);

// Writes a Foundry VTT scene: walls in pixels of the image at pxPerGrid pixels per grid
// square, a door wall across every live door (1 door, 2 secret for concealed and secret doors;
// ds 2 when its dressing is locked or stuck, else 0), archways as open gaps, and the bitmap as
// the PNG at foundryImagePath(path), named in the scene. Returns "" on success, else one
// one-line message per file that failed.
std::string writeFoundryScene(const MapModel& model, const Bitmap& map, int pxPerGrid,
                              const std::string& title, const std::string& path);

}  // namespace delvora
