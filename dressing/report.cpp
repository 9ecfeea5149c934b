#include "dressing/report.h"

#include "dressing/door_dressing.h"

namespace delvora {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::array<std::string_view, 6> kLabels = {"Description    ", "Sounds         ",
                                                     "Smells         ", "Items          ",
                                                     "Traps          ", "Treasure       "};

// The text at an index stored in a record; empty for an index the table does not have (the
// tables may have changed since the record was rolled).
std::string_view tableText(const DressingTable& table, std::string_view field) {
  const int index = fieldValue(field);
  if (index < 0 || static_cast<std::size_t>(index) >= table.entries.size()) return {};
  return table.entries[static_cast<std::size_t>(index)];
}

std::string sizeLine(std::string_view record) {
  const int left = fieldValue(recordField(record, 5, 4));
  const int top = fieldValue(recordField(record, 9, 4));
  const int right = fieldValue(recordField(record, 13, 4));
  const int bottom = fieldValue(recordField(record, 17, 4));
  // Ten units per 16-pixel grid square.
  return "Size           (" + std::to_string((right - left) * 10 / 16) + "x" +
         std::to_string((bottom - top) * 10 / 16) + ")";
}

std::string roomBlock(const MapModel& model, const DressingTables& tables,
                      std::string_view record) {
  std::string block = "Room ";
  block += recordField(record, 1, 4);
  block += kLineEnd;
  block += sizeLine(record);
  block += kLineEnd;
  const auto all = tables.all();
  for (std::size_t i = 0; i < all.size(); ++i) {
    block += kLabels[i];
    block += tableText(*all[i], recordField(record, 21 + 4 * i, 4));
    block += kLineEnd;
  }
  block += "Door(s):       ";
  block += kLineEnd;
  const std::string room = pad4(fieldValue(recordField(record, 1, 4)));
  for (const std::string& door : model.lstDoorDress) {
    if (recordField(door, 1, 4) != room) continue;
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
