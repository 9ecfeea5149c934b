#include "dressing/report.h"

#include "dressing/door_dressing.h"
#include "dressing/room_record.h"

namespace delvora {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::array<std::string_view, 6> kLabels = {"Description    ", "Sounds         ",
                                                     "Smells         ", "Items          ",
                                                     "Traps          ", "Treasure       "};

std::string roomBlock(const MapModel& model, const DressingTables& tables,
                      std::string_view record) {
  const RoomRecord room = parseRoomRecord(record);
  std::string block = "Room ";
  block += room.label;
  block += kLineEnd;
  block += "Size           (" + std::to_string(room.widthUnits()) + "x" +
           std::to_string(room.heightUnits()) + ")";
  block += kLineEnd;
  const auto all = tables.all();
  for (std::size_t i = 0; i < all.size(); ++i) {
    block += kLabels[i];
    if (const std::string* text = tableEntry(*all[i], room.indexes[i])) block += *text;
    block += kLineEnd;
  }
  block += "Door(s):       ";
  block += kLineEnd;
  for (const std::string_view door : roomDoorRecords(model, room)) {
    block += doorDescription(door);
    block += kLineEnd;
  }
  return block;
}

}  // namespace

std::vector<std::string> buildDressingReport(const MapModel& model, const DressingTables& tables,
                                             std::string_view title) {
  std::vector<std::string> items;
  items.push_back(std::string(title) + std::string(kLineEnd));
  for (const std::string& record : model.lstFluff)
    items.push_back(roomBlock(model, tables, record));
  return items;
}

}  // namespace delvora
