#include "dressing/room_record.h"

namespace delvora {

RoomRecord parseRoomRecord(std::string_view record) {
  RoomRecord room;
  room.label = recordField(record, 1, 4);
  room.rect = {fieldValue(recordField(record, 5, 4)), fieldValue(recordField(record, 9, 4)),
               fieldValue(recordField(record, 13, 4)), fieldValue(recordField(record, 17, 4))};
  for (std::size_t i = 0; i < room.indexes.size(); ++i) {
    room.indexes[i] = fieldValue(recordField(record, 21 + 4 * i, 4));
  }
  return room;
}

const std::string* tableEntry(const DressingTable& table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.entries.size()) return nullptr;
  return &table.entries[static_cast<std::size_t>(index)];
}

std::vector<std::string_view> roomDoorRecords(const MapModel& model, const RoomRecord& room) {
  const std::string key = room.key();
  std::vector<std::string_view> doors;
  for (const std::string& door : model.lstDoorDress) {
    if (recordField(door, 1, 4) == key) doors.push_back(door);
  }
  return doors;
}

}  // namespace delvora
