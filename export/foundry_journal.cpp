#include "export/foundry_journal.h"

#include <map>

#include "dressing/dressing_categories.h"
#include "dressing/room_view.h"
#include "dungeon/door_sides.h"
#include "dungeon/levels_key.h"
#include "dungeon/utf8_text.h"
#include "engine/dressing_records.h"
#include "export/json_file.h"

namespace delvora {

namespace {

using nlohmann::json;

// CONST.JOURNAL_ENTRY_PAGE_FORMATS.HTML, and the gap Foundry leaves between sort values.
constexpr int kHtml = 1;
constexpr int kSortStep = 100000;
// CONST.DOCUMENT_OWNERSHIP_LEVELS.NONE: players see nothing until the game master shares it.
constexpr int kOwnershipNone = 0;

// Dressing texts are the user's, so they go into the page as text, never as markup.
std::string escaped(std::string_view text) {
  std::string html;
  for (const char c : utf8Text(text)) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

std::string paragraph(std::string_view label, std::string_view text) {
  return "<p><strong>" + escaped(label) + "</strong><br>" + escaped(text) + "</p>";
}

std::string doorList(const std::vector<std::string>& doors) {
  if (doors.empty()) return "<p><strong>Doors</strong><br>None</p>";
  std::string html = "<p><strong>Doors</strong></p><ul>";
  for (const std::string& door : doors) html += "<li>" + escaped(door) + "</li>";
  return html + "</ul>";
}

// A category shown as the printout shows it: not when empty (index 0, or an empty text after an
// editing round trip).
void addCategory(const CategoryEntry& entry, std::string_view label, bool edited,
                 std::string& html) {
  const std::string_view text = entry.text.value_or("");
  if (edited ? text.empty() : entry.index == 0) return;
  html += paragraph(label, text);
}

std::string dressedPage(const RoomDressingView& room, bool edited) {
  std::string html = paragraph("Size", room.sizeText());
  for (std::size_t i = 0; i < room.categories.size(); ++i) {
    addCategory(room.categories[i], kDressingCategories[i].label, edited, html);
  }
  if (room.encounter) addCategory(*room.encounter, kEncounterCategory.label, edited, html);
  return html + doorList(room.doors);
}

const char* kindText(char kind) {
  switch (kind) {
    case 'N':
      return "Door";
    case 'C':
      return "Concealed door";
    case 'S':
      return "Secret door";
    default:
      return "Archway";
  }
}

// A room of a map without dressing: its size and the doors in its walls ("North wall: Door").
std::string plainPage(const Rect& rect, DoorSides& sides, int number) {
  RoomDressingView size;
  size.width = (rect.right - rect.left) * 10 / 16;
  size.height = (rect.bottom - rect.top) * 10 / 16;
  std::vector<std::string> doors;
  for (const auto& side : sides.addRoom(number, rect)) {
    const DoorRecord& door = sides.doors()[side["door"].get<std::size_t>()];
    std::string wall = side["wall"].get<std::string>();
    wall.front() = static_cast<char>(wall.front() - 'a' + 'A');
    doors.push_back(wall + " wall: " + kindText(door.kind));
  }
  return paragraph("Size", size.sizeText()) + doorList(doors);
}

// A page id: 16 letters and digits, as Foundry's ids are, the same for the same room.
std::string pageId(int number) {
  std::string digits = std::to_string(number);
  digits.insert(0, 5 - std::min<std::size_t>(digits.size(), 5), '0');
  return "delvoraRoom" + digits;
}

json page(int number, std::string html, std::string name) {
  return {{"_id", pageId(number)},
          {"name", std::move(name)},
          {"type", "text"},
          {"title", {{"show", true}, {"level", 1}}},
          {"text", {{"content", std::move(html)}, {"format", kHtml}}},
          {"sort", number * kSortStep},
          {"ownership", {{"default", -1}}},
          {"flags", json::object()}};
}

json roomPages(const MapModel& model, const DressingTables& tables) {
  std::map<int, RoomDressingRecord> dressed;
  for (const std::string& record : model.lstFluff) {
    const RoomDressingRecord room = parseRoomDressing(record);
    dressed.emplace(room.room, room);
  }
  DoorSides sides(model);
  json pages = json::array();
  int number = 0;
  for (const std::string& record : model.lstWalls) {
    const Feature feature = parseFeature(record);
    if (!isRoom(feature.type)) continue;
    ++number;
    const auto room = dressed.find(number);
    pages.push_back(
        page(number,
             room == dressed.end()
                 ? plainPage(feature.rect, sides, number)
                 : dressedPage(roomDressingView(model, tables, room->second), model.fluffEdited),
             "Room " + std::to_string(number)));
  }
  return pages;
}

std::string entryName(std::string_view title) {
  return title.empty() ? std::string("Delvora dungeon") : utf8Text(title);
}

std::string entryText(std::string name, json pages) {
  const json entry = {{"name", std::move(name)},
                      {"pages", std::move(pages)},
                      {"ownership", {{"default", kOwnershipNone}}},
                      {"flags", json::object()}};
  return jsonText(entry);
}

}  // namespace

std::string foundryJournal(const MapModel& model, const DressingTables& tables,
                           std::string_view name) {
  return entryText(entryName(name), roomPages(model, tables));
}

std::string foundryJournal(const Dungeon& dungeon) {
  return foundryJournal(dungeon.model(), dungeon.tables(), dungeon.settings().title);
}

std::string foundryJournal(const DungeonLevels& levels, int level) {
  const Dungeon& dungeon = levels.level(level);
  json pages = roomPages(dungeon.model(), dungeon.tables());
  const std::vector<std::string> stairs = stairsKeyLines(levels, level);
  if (!stairs.empty()) {
    std::string html = "<ul>";
    for (const std::string& line : stairs) html += "<li>" + escaped(line) + "</li>";
    // After the rooms, with an id no room has.
    const int after = static_cast<int>(pages.size()) + 1;
    json stairsPage = page(after, html + "</ul>", "Stairs");
    stairsPage["_id"] = "delvoraStairs000";
    pages.push_back(std::move(stairsPage));
  }
  return entryText(entryName(dungeon.settings().title) + ", level " + std::to_string(level),
                   std::move(pages));
}

}  // namespace delvora
