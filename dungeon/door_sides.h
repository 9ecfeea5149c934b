#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/map_model.h"
#include "engine/records.h"

namespace delvora {

// The doors of one level for its document and what lies on each side of them: the rooms and
// corridors in whose walls a door lies (by the rule door dressing uses), with the dressing the
// door has towards each room.
class DoorSides {
 public:
  explicit DoorSides(const MapModel& model);

  // The doors in lstDoors order; a door's id is its index.
  const std::vector<DoorRecord>& doors() const { return m_doors; }

  // The doors in the walls of room number (its feature rectangle) as [{door, wall}], each noted
  // on the door as a side towards the room.
  nlohmann::ordered_json addRoom(int number, const Rect& rect);
  // The same for the corridor of id.
  nlohmann::ordered_json addCorridor(int id, const Rect& rect);

  // The document's doors: position, orientation, kind, whether a clean-up closed it (closed[id])
  // and its sides, rooms first.
  nlohmann::ordered_json doorsJson(const std::vector<bool>& closed) const;

 private:
  enum class Owner { Room, Corridor };
  nlohmann::ordered_json addSides(Owner owner, int number, const Rect& rect);

  std::vector<DoorRecord> m_doors;
  std::vector<nlohmann::ordered_json> m_roomSides;
  std::vector<nlohmann::ordered_json> m_corridorSides;
  // The lstDoorDress record of each room and door key.
  std::map<std::pair<int, std::string>, std::string> m_dressing;
};

// The word for a wall letter of door dressing: 'N' "north" (the top wall), 'E' "east", 'S'
// "south", 'W' "west".
const char* wallWord(char side);

}  // namespace delvora
