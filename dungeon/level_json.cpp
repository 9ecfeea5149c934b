#include "dungeon/level_json.h"

#include <algorithm>
#include <map>

#include "dressing/dressing_categories.h"
#include "dungeon/door_sides.h"
#include "dungeon/json_geometry.h"
#include "dungeon/utf8_text.h"
#include "engine/dead_ends.h"
#include "engine/dressing_records.h"

namespace delvora {

namespace {

using Json = nlohmann::ordered_json;

// The document's names of the six categories, in category order.
constexpr std::array<const char*, kDressingCategoryCount> kCategoryNames = {
    "description", "sounds", "smells", "items", "traps", "treasure"};

Json roomDressingJson(const RoomDressingRecord& room, const DressingTables& tables) {
  Json dressing = Json::object();
  for (std::size_t i = 0; i < kDressingCategoryCount; ++i) {
    const DressingTable& table = tables.*kDressingCategories[i].table;
    const int index = room.indexes[i];
    const bool known = index >= 0 && static_cast<std::size_t>(index) < table.entries.size();
    dressing[kCategoryNames[i]] = {
        {"index", index},
        {"text",
         known ? Json(utf8Text(table.entries[static_cast<std::size_t>(index)])) : Json(nullptr)}};
  }
  return dressing;
}

// The rooms of lstWalls numbered as the map numbers them, with their doors noted in sides.
Json roomsJson(const MapModel& model, const DressingTables& tables, DoorSides& sides) {
  std::map<int, RoomDressingRecord> dressed;
  for (const std::string& record : model.lstFluff) {
    const RoomDressingRecord room = parseRoomDressing(record);
    dressed.emplace(room.room, room);
  }
  Json rooms = Json::array();
  int number = 0;
  for (const std::string& record : model.lstWalls) {
    const Feature feature = parseFeature(record);
    if (!isRoom(feature.type)) continue;
    ++number;
    Json room = {{"number", number},
                 {"shape", feature.type == FeatureType::RoundRoom ? "round" : "square"}};
    addRect(room, feature.rect);
    const auto dressing = dressed.find(number);
    room["dressing"] =
        dressing == dressed.end() ? Json(nullptr) : roomDressingJson(dressing->second, tables);
    room["doors"] = sides.addRoom(number, feature.rect);
    rooms.push_back(std::move(room));
  }
  return rooms;
}

bool erased(const MapModel& model, const std::string& record) {
  return std::find(model.lstErased.begin(), model.lstErased.end(), record) != model.lstErased.end();
}

Json corridorsJson(const MapModel& model, DoorSides& sides) {
  Json corridors = Json::array();
  int id = 0;
  for (const std::string& record : model.lstCorridors) {
    const Feature feature = parseFeature(record);
    Json corridor = {
        {"id", id},
        {"direction", feature.type == FeatureType::VerticalCorridor ? "vertical" : "horizontal"}};
    addRect(corridor, feature.rect);
    corridor["erased"] = erased(model, record);
    corridor["doors"] = sides.addCorridor(id, feature.rect);
    corridors.push_back(std::move(corridor));
    ++id;
  }
  return corridors;
}

// Staircases alternate, the first going down.
Json stairsJson(const MapModel& model) {
  Json stairs = Json::array();
  for (std::size_t i = 0; i < model.lstStairs.size(); ++i) {
    Json staircase = {{"direction", i % 2 == 0 ? "down" : "up"}};
    addRect(staircase, parseStairs(model.lstStairs[i]));
    stairs.push_back(std::move(staircase));
  }
  return stairs;
}

// A band's course as two polylines of the same points, in pixels and in squares; null when the
// band was not drawn.
Json bandJson(const std::vector<CoursePoint>& course) {
  if (course.empty()) return nullptr;
  Json pixels = Json::array();
  Json inSquares = Json::array();
  for (const CoursePoint& point : course) {
    pixels.push_back({{"x", point.x}, {"y", point.y}, {"width", point.width}});
    inSquares.push_back(
        {{"x", squares(point.x)}, {"y", squares(point.y)}, {"width", squares(point.width)}});
  }
  return {{"pixels", std::move(pixels)}, {"squares", std::move(inSquares)}};
}

// The erased corridors' ids, and per door whether a clean-up closed it: the door of each erased
// corridor that its erasing closed (the corridor's two door corners are the same still).
struct Erasures {
  Json corridors = Json::array();
  std::vector<bool> closedDoors;
};

Erasures erasures(const MapModel& model, const std::vector<DoorRecord>& doors) {
  Erasures result;
  result.closedDoors.assign(doors.size(), false);
  for (std::size_t id = 0; id < model.lstCorridors.size(); ++id) {
    const std::string& record = model.lstCorridors[id];
    if (!erased(model, record)) continue;
    result.corridors.push_back(id);
    const DoorHits hits = findDoorHits(model.lstDoors, parseFeature(record).rect);
    if (hits.hits != 2) continue;
    for (std::size_t door = 0; door < doors.size(); ++door) {
      const Rect& tile = doors[door].tile;
      if (tile.left == hits.doorX && tile.top == hits.doorY) result.closedDoors[door] = true;
    }
  }
  return result;
}

Json closedDoorIds(const std::vector<bool>& closed) {
  Json ids = Json::array();
  for (std::size_t id = 0; id < closed.size(); ++id) {
    if (closed[id]) ids.push_back(id);
  }
  return ids;
}

}  // namespace

Json levelJson(const MapModel& model, const DressingTables& tables, int level) {
  const int width = model.state.mapWidth;
  const int height = model.state.mapHeight;
  DoorSides sides(model);
  Json document = {{"level", level},
                   {"pixels", {{"width", width}, {"height", height}}},
                   {"squares", {{"width", squares(width)}, {"height", squares(height)}}}};
  document["rooms"] = roomsJson(model, tables, sides);
  document["corridors"] = corridorsJson(model, sides);
  const Erasures cleanUps = erasures(model, sides.doors());
  document["doors"] = sides.doorsJson(cleanUps.closedDoors);
  document["stairs"] = stairsJson(model);
  document["river"] = bandJson(model.riverCourse);
  document["chasm"] = bandJson(model.chasmCourse);
  document["dead_ends"] = {{"erased_corridors", cleanUps.corridors},
                           {"closed_doors", closedDoorIds(cleanUps.closedDoors)}};
  return document;
}

}  // namespace delvora
