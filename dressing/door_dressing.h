#pragma once

#include <string>
#include <string_view>

#include "engine/map_model.h"

namespace delvora {

// Dresses every door of lstDoors that lies in a wall of the room left..right x top..bottom
// (pixels, as in its feature record): three Random(100) draws per door, then a record in
// lstDoorDress. A door already dressed by an earlier room keeps that dressing.
void DoorDress(StepContext& ctx, int left, int top, int right, int bottom, int room);

// The readable line of a door dressing record, e.g. "W Wall - Iron Door - Trapped - Locked ";
// every word ends with a blank.
std::string doorDescription(std::string_view doorDressRecord);

}  // namespace delvora
