#include "dressing/hover_text.h"

#include <array>

#include "dressing/door_dressing.h"
#include "dressing/room_record.h"

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

bool contains(const Rect& r, int x, int y) {
  return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

std::string roomText(const MapModel& model, const DressingTables& tables, const RoomRecord& room) {
  std::string text = "Room ";
  text += room.label;
  text += kCr;
  text += "Size  (" + std::to_string(room.widthUnits()) + "x" + std::to_string(room.heightUnits()) +
          ")";
  const auto all = tables.all();
  for (std::size_t i = 0; i < kCategories.size(); ++i) {
    const std::string* entry = tableEntry(*all[i], room.indexes[i]);
    text += kCr;
    text += kCategories[i].heading;
    text += kCr;
    text += "  ";
    text += entry != nullptr ? *entry : std::string(kCategories[i].fallback);
  }
  text += kCr;
  text += "Door(s)";
  text += kCr;
  for (const std::string_view door : roomDoorRecords(model, room)) {
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
    const RoomRecord room = parseRoomRecord(record);
    if (contains(room.rect, x, y)) {
      hover.text = roomText(model, tables, room);
      break;
    }
  }
  return hover;
}

}  // namespace delvora
