#pragma once

#include <string>

#include "engine/map_model.h"

namespace delvora {

// The model as plain text with LF line ends: a header line per list ("[lstWalls]" ...) followed
// by its records exactly as held, then "[state]" with the random source state and the feature
// count. Two models with the same text made the same dungeon.
std::string toString(const MapModel& model);

}  // namespace delvora
