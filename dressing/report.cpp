#include "dressing/report.h"

#include "dressing/dressing_categories.h"
#include "dressing/room_view.h"

namespace delvora {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// The report's texts start in this column, after their padded label.
constexpr std::size_t kLabelWidth = 15;

std::string labelled(std::string_view label) {
  std::string line(label);
  if (line.size() < kLabelWidth) line.append(kLabelWidth - line.size(), ' ');
  return line;
}

std::string roomBlock(const RoomDressingView& room) {
  std::string block = "Room " + room.label;
  block += kLineEnd;
  block += labelled("Size") + room.sizeText();
  block += kLineEnd;
  for (std::size_t i = 0; i < room.categories.size(); ++i) {
    block += labelled(kDressingCategories[i].label);
    block += room.categories[i].text.value_or("");
    block += kLineEnd;
  }
  if (room.encounter) {
    block += labelled(kEncounterCategory.label);
    block += room.encounter->text.value_or("");
    block += kLineEnd;
  }
  block += labelled("Door(s):");
  block += kLineEnd;
  for (const std::string& door : room.doors) {
    block += door;
    block += kLineEnd;
  }
  return block;
}

}  // namespace

std::vector<std::string> buildDressingReport(const MapModel& model, const DressingTables& tables,
                                             std::string_view title) {
  std::vector<std::string> items;
  items.push_back(std::string(title) + std::string(kLineEnd));
  for (const RoomDressingView& room : roomDressingViews(model, tables)) {
    items.push_back(roomBlock(room));
  }
  return items;
}

std::string textFileBytes(const std::vector<std::string>& items) {
  std::string bytes;
  for (const std::string& item : items) bytes.append(item).append("\r\n");
  return bytes;
}

}  // namespace delvora
