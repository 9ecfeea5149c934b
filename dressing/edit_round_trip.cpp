#include "dressing/edit_round_trip.h"

#include <fstream>
#include <iterator>
#include <string_view>

#include "dressing/dressing_categories.h"
#include "dressing/room_view.h"
#include "engine/text.h"

namespace delvora {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string roomItem(const RoomDressingView& room) {
  std::string item = "Room=" + room.label;
  item += kCrLf;
  for (std::size_t i = 0; i < room.categories.size(); ++i) {
    item += kDressingCategories[i].editKey;
    item += room.categories[i].text.value_or("");
    item += kCrLf;
  }
  if (room.encounter) {
    item += kEncounterCategory.editKey;
    item += room.encounter->text.value_or("");
    item += kCrLf;
  }
  item += "Door(s):";
  item += kCrLf;
  for (const std::string& door : room.doors) {
    item += door;
    item += kCrLf;
  }
  return item;
}

// The file's lines (splitLines); false when it cannot be read.
bool readLines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return false;
  lines = splitLines(bytes);
  return true;
}

}  // namespace

std::vector<std::string> buildEditingFile(const MapModel& model, const DressingTables& tables,
                                          const Settings& settings) {
  std::vector<std::string> items{
      "[Dungeon]",
      "Title=" + settings.title,
      "MapSize=" + mapSizeText(settings.mapSizeIndex),
      "Iterations=" + std::to_string(settings.iterations),
      "RoomSize=" + roomSizeCaption(settings.roomSize),
      "Corridors=" + corridorCaption(settings.corridorStyle),
      "MaxRoom=" + std::to_string(model.lstFluff.size()) + std::string(kCrLf),
  };
  for (const RoomDressingView& room : roomDressingViews(model, tables)) {
    items.push_back(roomItem(room));
  }
  return items;
}

std::string ReWriteFluff(MapModel& model, DressingTables& tables, const std::string& path) {
  std::vector<std::string> lines;
  if (!readLines(path, lines)) return "Cannot open file " + path;
  // A map made without encounters keeps its encounter table as loaded: its file has no such
  // lines.
  const bool encounters = !model.lstEncounters.empty();
  for (const DressingCategory& category : kDressingFileCategories) {
    if (category.table != &DressingTables::Encounters || encounters) {
      (tables.*category.table).entries.clear();
    }
  }
  for (std::size_t n = 1; n < lines.size(); ++n) {
    const std::string_view line = trimmed(lines[n]);
    for (const DressingCategory& category : kDressingFileCategories) {
      const std::string_view key = category.editKey;
      if (!line.starts_with(key)) continue;
      DressingTable& table = tables.*category.table;
      // Rooms stop below 10000, so entries past that could never be shown.
      if (table.entries.size() < kMaxTableEntries && (encounters || &table != &tables.Encounters)) {
        table.entries.emplace_back(line.substr(key.size()));
      }
      break;
    }
  }
  // The n-th room now finds its own texts at index n - 1 of every table.
  for (std::string& record : model.lstFluff) {
    RoomDressingRecord room = parseRoomDressing(record);
    room.indexes.fill(room.room - 1);
    record = roomDressingRecord(room);
  }
  for (std::string& record : model.lstEncounters) {
    EncounterRecord encounter = parseEncounter(record);
    encounter.index = encounter.room - 1;
    record = encounterRecord(encounter);
  }
  model.fluffEdited = true;
  return "";
}

}  // namespace delvora
