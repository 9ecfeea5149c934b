#include "dungeon/levels_key.h"

#include "dressing/report.h"
#include "engine/dressing_records.h"

namespace delvora {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool holds(const Rect& r, int x, int y) {
  return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

}  // namespace

std::string stairsPlace(const MapModel& model, const Rect& stairs) {
  const int x = (stairs.left + stairs.right) / 2;
  const int y = (stairs.top + stairs.bottom) / 2;
  for (const std::string& record : model.lstFluff) {
    const RoomDressingRecord room = parseRoomDressing(record);
    if (holds(room.rect, x, y)) return "room " + std::to_string(room.room);
  }
  for (const std::string& record : model.lstWalls) {
    const Feature feature = parseFeature(record);
    if (holds(feature.rect, x, y)) return isCorridor(feature.type) ? "a corridor" : "a room";
  }
  return "the rock";
}

std::string stairsDestination(const DungeonLevels& levels, int level, std::size_t index) {
  const bool down = index % 2 == 0;
  if (const StairsLink* link = levels.linkOf(level, static_cast<int>(index))) {
    return down ? "Stairs down to level " + std::to_string(link->upper + 1)
                : "Stairs up to level " + std::to_string(link->upper);
  }
  return down ? "Stairs down (deeper than the levels made)" : "Stairs up (out of the dungeon)";
}

std::string stairsHoverLines(const DungeonLevels& levels, int level, int x, int y) {
  const MapModel& model = levels.level(level).model();
  std::string lines;
  for (std::size_t i = 0; i < model.lstStairs.size(); ++i) {
    const Rect s = parseStairs(model.lstStairs[i]);
    if (x < s.left || x >= s.right || y < s.top || y >= s.bottom) continue;
    if (!lines.empty()) lines += '\r';
    lines += stairsDestination(levels, level, i);
  }
  return lines;
}

void addStairsLines(HoverText& hover, const std::string& lines) {
  if (lines.empty()) return;
  if (!hover.text.empty()) hover.text += '\r';
  hover.text += lines;
  hover.overFeature = true;
}

std::vector<std::string> levelKeyItems(const DungeonLevels& levels, int level) {
  const Dungeon& dungeon = levels.level(level);
  const MapModel& model = dungeon.model();
  std::vector<std::string> items;
  items.push_back("Level " + std::to_string(level) + " (seed " +
                  std::to_string(dungeon.settings().seed) + ")" + std::string(kLineEnd));
  std::string stairs;
  for (std::size_t i = 0; i < model.lstStairs.size(); ++i) {
    const Rect r = parseStairs(model.lstStairs[i]);
    stairs += stairsDestination(levels, level, i) + " in " + stairsPlace(model, r) + " (square " +
              std::to_string(r.left / kGridSize) + ", " + std::to_string(r.top / kGridSize) + ")";
    stairs += kLineEnd;
  }
  if (!stairs.empty()) items.push_back(stairs);
  if (dungeon.settings().dressing) {
    const std::vector<std::string> rooms =
        buildDressingReport(model, dungeon.tables(), dungeon.settings().title);
    items.insert(items.end(), rooms.begin() + 1, rooms.end());
  }
  return items;
}

std::vector<std::string> levelsReport(const DungeonLevels& levels) {
  std::vector<std::string> items;
  if (levels.count() == 0) return items;
  items.push_back(levels.level(1).settings().title + std::string(kLineEnd));
  for (int level = 1; level <= levels.count(); ++level) {
    const std::vector<std::string> key = levelKeyItems(levels, level);
    items.insert(items.end(), key.begin(), key.end());
  }
  return items;
}

}  // namespace delvora
