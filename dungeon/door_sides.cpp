#include "dungeon/door_sides.h"

#include <array>

#include "dressing/door_dressing.h"
#include "dungeon/json_geometry.h"
#include "engine/dressing_records.h"

namespace delvora {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<const char*, 10> kMaterials = {
    "archway",         "rotten_wooden_door", "wooden_door", "reinforced_wooden_door",
    "cloth_curtain",   "leather_curtain",    "stone_door",  "iron_door",
    "iron_portcullis", "wooden_portcullis"};
constexpr std::array<const char*, 3> kLocks = {"unlocked", "locked", "stuck"};

// The name at index, or null for an index the record could not give (a digit that is not one).
template <std::size_t N>
Json nameAt(const std::array<const char*, N>& names, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return nullptr;
  return names[static_cast<std::size_t>(index)];
}

const char* kindWord(char kind) {
  switch (kind) {
    case 'N':
      return "door";
    case 'C':
      return "concealed";
    case 'S':
      return "secret";
    default:
      return "archway";
  }
}

Json dressingJson(const std::string& record) {
  const DoorDressingRecord dressing = parseDoorDressing(record);
  return {{"material", nameAt(kMaterials, dressing.material)},
          {"lock", nameAt(kLocks, dressing.lock)},
          {"trapped", dressing.trapped},
          {"description", doorDescription(record)}};
}

}  // namespace

const char* wallWord(char side) {
  switch (side) {
    case 'N':
      return "north";
    case 'E':
      return "east";
    case 'S':
      return "south";
    default:
      return "west";
  }
}

DoorSides::DoorSides(const MapModel& model) {
  for (const std::string& record : model.lstDoors) m_doors.push_back(parseDoor(record));
  m_roomSides.assign(m_doors.size(), Json::array());
  m_corridorSides.assign(m_doors.size(), Json::array());
  for (const std::string& record : model.lstDoorDress) {
    const DoorDressingRecord dressing = parseDoorDressing(record);
    m_dressing[{dressing.room, std::string(dressing.key)}] = record;
  }
}

Json DoorSides::addRoom(int number, const Rect& rect) {
  return addSides(Owner::Room, number, rect);
}

Json DoorSides::addCorridor(int id, const Rect& rect) {
  return addSides(Owner::Corridor, id, rect);
}

Json DoorSides::addSides(Owner owner, int number, const Rect& rect) {
  const bool room = owner == Owner::Room;
  Json doors = Json::array();
  for (std::size_t id = 0; id < m_doors.size(); ++id) {
    const Rect& tile = m_doors[id].tile;
    const char side = doorSide(tile, rect.left, rect.top, rect.right, rect.bottom);
    if (side == '\0') continue;
    doors.push_back({{"door", id}, {"wall", wallWord(side)}});
    Json entry = {{room ? "room" : "corridor", number}, {"wall", wallWord(side)}};
    if (room) {
      const auto dressed = m_dressing.find({number, doorKey(tile)});
      entry["dressing"] =
          dressed == m_dressing.end() ? Json(nullptr) : dressingJson(dressed->second);
      m_roomSides[id].push_back(std::move(entry));
    } else {
      m_corridorSides[id].push_back(std::move(entry));
    }
  }
  return doors;
}

Json DoorSides::doorsJson(const std::vector<bool>& closed) const {
  Json doors = Json::array();
  for (std::size_t id = 0; id < m_doors.size(); ++id) {
    const DoorRecord& door = m_doors[id];
    Json entry = {{"id", id}};
    addRect(entry, door.tile);
    entry["orientation"] = door.orientation == 'V' ? "vertical" : "horizontal";
    entry["kind"] = kindWord(door.kind);
    entry["closed"] = id < closed.size() && closed[id];
    Json sides = m_roomSides[id];
    for (const Json& side : m_corridorSides[id]) sides.push_back(side);
    entry["sides"] = std::move(sides);
    doors.push_back(std::move(entry));
  }
  return doors;
}

}  // namespace delvora
