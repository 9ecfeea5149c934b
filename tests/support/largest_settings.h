#pragma once

#include "engine/settings.h"

namespace delvora::testing {

// The heaviest run the option windows allow: a 1280x1024 map, 3000 iterations, large rooms, very
// twisty corridors, 10 staircases, river and chasm, and every room dressed in every category.
inline Settings largestSettings() {
  Settings settings;
  settings.mapSizeIndex = MapSizeIndex::Size1280x1024;
  settings.iterations = 3000;
  settings.roomSize = RoomSize::Large;
  settings.corridorStyle = CorridorStyle::VeryTwisty;
  settings.stairs = 10;
  settings.river = true;
  settings.chasm = true;
  settings.dressRoll = 6;
  return settings;
}

}  // namespace delvora::testing
