#pragma once

#include <string>

#include "dungeon/run_options.h"
#include "engine/settings.h"

namespace delvora {

// What a picture of the map is made for: the map's PNG, or a tabletop's scene image (the
// Universal VTT file's and the Foundry scene's).
enum class PictureUse { Png, Tabletop };

// The line refusing the map of settings drawn at pxPerGrid pixels a grid square when the picture
// is larger than what reads it loads (kLargestPng a side for a PNG, kLargestTabletopPicture for a
// tabletop), naming the largest --px-per-grid that fits; empty when it fits.
std::string pictureSizeError(const Settings& settings, int pxPerGrid, PictureUse use);

// The warning for tabletop pictures at pxPerGrid below a tabletop's smallest scene grid, naming
// those tabletops; empty when there is none. The command line prints it after "warning: ".
std::string smallGridWarning(int pxPerGrid);

}  // namespace delvora
