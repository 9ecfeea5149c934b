#include "render/hover_text.h"

#include <array>

#include "dressing/door_dressing.h"

namespace delvora {

namespace {

constexpr char kCr = '\r';

struct Category {
  const char* heading;
  const char* fallback;
};

constexpr std::array<Category, 6> kCategories{{{"Description", "Nothing unusual"},
                                               {"Sounds", "Nothing unusual"},
                                               {"Smells", "Nothing unusual"},
                                               {"Items", "Nothing unusual"},
                                               {"Traps", "None found"},
                                               {"Treasure", "None found"}}};

bool contains(std::string_view record, int x, int y) {
  return fieldValue(recordField(record, 5, 4)) <= x &&
         x <= fieldValue(recordField(record, 13, 4)) &&
         fieldValue(recordField(record, 9, 4)) <= y && y <= fieldValue(recordField(record, 17, 4));
}

std::string roomText(const MapModel& model, const DressingTables& tables, std::string_view record) {
  const std::string_view label = recordField(record, 1, 4);
  const int width =
      (fieldValue(recordField(record, 13, 4)) - fieldValue(recordField(record, 5, 4))) * 10 / 16;
  const int height =
      (fieldValue(recordField(record, 17, 4)) - fieldValue(recordField(record, 9, 4))) * 10 / 16;
  std::string text = "Room ";
  text += label;
  text += kCr;
  text += "Size  (" + std::to_string(width) + "x" + std::to_string(height) + ")";
  const auto all = tables.all();
  for (std::size_t i = 0; i < kCategories.size(); ++i) {
    const int index = fieldValue(recordField(record, 21 + 4 * i, 4));
    const auto& entries = all[i]->entries;
    text += kCr;
    text += kCategories[i].heading;
    text += kCr;
    text += "  ";
    text += index >= 0 && static_cast<std::size_t>(index) < entries.size()
                ? entries[static_cast<std::size_t>(index)]
                : std::string(kCategories[i].fallback);
  }
  text += kCr;
  text += "Door(s)";
  text += kCr;
  const std::string key = pad4(fieldValue(label));
  for (const std::string& door : model.lstDoorDress) {
    if (recordField(door, 1, 4) != key) continue;
    text += ' ';
    text += doorDescription(door);
    text += kCr;
  }
  return text;
}

}  // namespace

HoverText hoverText(const MapModel& model, const DressingTables& tables, int x, int y) {
  HoverText hover;
  if (!model.grid.covered(x, y)) return hover;
  hover.overFeature = true;
  for (const std::string& record : model.lstFluff) {
    if (contains(record, x, y)) {
      hover.text = roomText(model, tables, record);
      break;
    }
  }
  return hover;
}

}  // namespace delvora
