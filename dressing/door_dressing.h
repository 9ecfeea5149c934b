#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/dressing_records.h"
#include "engine/map_model.h"
#include "engine/records.h"

namespace delvora {

// The wall of the room left..right x top..bottom (pixels) that the door tile lies in, 'N', 'E',
// 'S' or 'W', as door dressing tells it; '\0' when the door is in none of its walls.
char doorSide(const Rect& door, int left, int top, int right, int bottom);

// Dresses every door of lstDoors that lies in a wall of the room left..right x top..bottom
// (pixels, as in its feature record): three Random(100) draws per door, then a record in
// lstDoorDress. A door already dressed by an earlier room keeps that dressing.
void DoorDress(StepContext& ctx, int left, int top, int right, int bottom, int room);

// Dresses the doors of one room after another, as DoorDress does. The door tiles and the
// dressing each door already has are read from the model once instead of for every room: a large
// map has hundreds of both. Only this dresser may change lstDoors and lstDoorDress while it is
// used.
class DoorDresser {
 public:
  explicit DoorDresser(const MapModel& model);
  void dress(StepContext& ctx, int left, int top, int right, int bottom, int room);

 private:
  std::vector<DoorRecord> m_doors;
  // The dressing of the last lstDoorDress record of each door key (room, side and key unset).
  std::unordered_map<std::string, DoorDressingRecord> m_dressed;
};

// The readable line of a door dressing record, e.g. "W Wall - Iron Door - Trapped - Locked ";
// every word ends with a blank.
std::string doorDescription(std::string_view doorDressRecord);

}  // namespace delvora
