#pragma once

#include <nlohmann/json.hpp>

#include "engine/map_model.h"

namespace delvora {

// One Foundry VTT region (v12 and later) per room of lstWalls, in room-number order: named
// "Room N", shaped like the room in the scene's image pixels at pxPerGrid (a rectangle, or a
// polygon along a round room's drawn outline), with no behaviour, at every elevation and shown
// on the regions layer only, so a game master can reveal or script one room at a time.
nlohmann::json roomRegions(const MapModel& model, int pxPerGrid);

}  // namespace delvora
