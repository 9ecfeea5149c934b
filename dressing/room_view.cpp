#include "dressing/room_view.h"

#include "dressing/door_dressing.h"
#include "dressing/encounters.h"

namespace delvora {

namespace {

std::optional<std::string_view> tableEntry(const DressingTable& table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.entries.size()) return std::nullopt;
  return table.entries[static_cast<std::size_t>(index)];
}

int units(int pixels) {
  return pixels * 10 / 16;
}

}  // namespace

std::string RoomDressingView::sizeText() const {
  std::string text = "(";
  text += std::to_string(width);
  text += 'x';
  text += std::to_string(height);
  text += ')';
  return text;
}

RoomDressingView roomDressingView(const MapModel& model, const DressingTables& tables,
                                  const RoomDressingRecord& room) {
  RoomDressingView view;
  view.label = roomLabel(room.room);
  view.width = units(room.rect.right - room.rect.left);
  view.height = units(room.rect.bottom - room.rect.top);
  const auto all = tables.all();
  for (std::size_t i = 0; i < all.size(); ++i) {
    view.categories[i] = {room.indexes[i], tableEntry(*all[i], room.indexes[i])};
  }
  if (const std::optional<int> encounter = encounterIndex(model, room.room)) {
    view.encounter = CategoryEntry{*encounter, tableEntry(tables.Encounters, *encounter)};
  }
  for (const std::string& record : model.lstDoorDress) {
    if (parseDoorDressing(record).room == room.room) view.doors.push_back(doorDescription(record));
  }
  return view;
}

std::vector<RoomDressingView> roomDressingViews(const MapModel& model,
                                                const DressingTables& tables) {
  std::vector<RoomDressingView> views;
  views.reserve(model.lstFluff.size());
  for (const std::string& record : model.lstFluff) {
    views.push_back(roomDressingView(model, tables, parseRoomDressing(record)));
  }
  return views;
}

}  // namespace delvora
