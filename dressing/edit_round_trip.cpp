#include "dressing/edit_round_trip.h"

#include <array>
#include <fstream>
#include <iterator>
#include <string_view>

#include "dressing/door_dressing.h"
#include "dressing/room_record.h"

namespace delvora {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The keys of the six readable lines, in table order.
constexpr std::array<std::string_view, 6> kKeys{
    "Description=", "Sounds=", "Smells=", "Items=", "Traps=", "Treasure="};

std::string roomItem(const MapModel& model, const DressingTables& tables, std::string_view record) {
  const RoomRecord room = parseRoomRecord(record);
  std::string item = "Room=";
  item += room.label;
  item += kCrLf;
  const auto all = tables.all();
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    item += kKeys[i];
    if (const std::string* text = tableEntry(*all[i], room.indexes[i])) item += *text;
    item += kCrLf;
  }
  item += "Door(s):";
  item += kCrLf;
  for (const std::string_view door : roomDoorRecords(model, room)) {
    item += doorDescription(door);
    item += kCrLf;
  }
  return item;
}

// The file's lines; CR LF, CR and LF all end a line, and a final line end adds no line.
bool readLines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return false;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return true;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
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
  for (const std::string& record : model.lstFluff) items.push_back(roomItem(model, tables, record));
  return items;
}

std::string ReWriteFluff(MapModel& model, DressingTables& tables, const std::string& path) {
  std::vector<std::string> lines;
  if (!readLines(path, lines)) return "Cannot open file " + path;
  const auto all = tables.all();
  for (DressingTable* table : all) table->entries.clear();
  for (std::size_t n = 1; n < lines.size(); ++n) {
    const std::string_view line = trimmed(lines[n]);
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
      if (!line.starts_with(kKeys[i])) continue;
      // Rooms stop below 10000, so entries past that could never be shown.
      if (all[i]->entries.size() < kMaxTableEntries) {
        all[i]->entries.emplace_back(line.substr(kKeys[i].size()));
      }
      break;
    }
  }
  for (std::string& record : model.lstFluff) {
    const std::string index = pad4(fieldValue(recordField(record, 1, 4)) - 1);
    std::string rebuilt(recordField(record, 1, 20));
    for (std::size_t i = 0; i < kKeys.size(); ++i) rebuilt += index;
    record = std::move(rebuilt);
  }
  model.fluffEdited = true;
  return "";
}

}  // namespace delvora
