#include "dressing/hover_text.h"

#include "dressing/dressing_categories.h"
#include "dressing/room_view.h"

namespace delvora {

namespace {

constexpr char kCr = '\r';

bool contains(const Rect& r, int x, int y) {
  return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

std::string roomText(const RoomDressingView& room) {
  std::string text = "Room " + room.label;
  text += kCr;
  text += "Size  " + room.sizeText();
  for (std::size_t i = 0; i < room.categories.size(); ++i) {
    const DressingCategory& category = kDressingCategories[i];
    text += kCr;
    text += category.label;
    text += kCr;
    text += "  ";
    text += room.categories[i].text.value_or(category.emptyText);
  }
  if (room.encounter) {
    text += kCr;
    text += kEncounterCategory.label;
    text += kCr;
    text += "  ";
    text += room.encounter->text.value_or(kEncounterCategory.emptyText);
  }
  text += kCr;
  text += "Door(s)";
  text += kCr;
  for (const std::string& door : room.doors) {
    text += ' ';
    text += door;
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
    const RoomDressingRecord room = parseRoomDressing(record);
    if (contains(room.rect, x, y)) {
      hover.text = roomText(roomDressingView(model, tables, room));
      break;
    }
  }
  return hover;
}

}  // namespace delvora
