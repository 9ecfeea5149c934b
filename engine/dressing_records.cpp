#include "engine/dressing_records.h"

namespace delvora {

namespace {

// The first character of a one-character field, or '\0' past the record's end.
char charField(std::string_view record, std::size_t position) {
  const std::string_view field = recordField(record, position, 1);
  return field.empty() ? '\0' : field.front();
}

int digitField(std::string_view record, std::size_t position) {
  const char c = charField(record, position);
  return c >= '0' && c <= '9' ? c - '0' : -1;
}

char digit(int value) {
  return static_cast<char>('0' + value);
}

}  // namespace

std::string roomLabel(int room) {
  std::string label = std::to_string(room);
  if (label.size() < 4) label.append(4 - label.size(), ' ');
  return label;
}

std::string roomDressingRecord(const RoomDressingRecord& room) {
  std::string record = roomLabel(room.room);
  record.reserve(44);
  const Rect& r = room.rect;
  for (const int coordinate : {r.left, r.top, r.right, r.bottom}) record += pad4(coordinate);
  for (const int index : room.indexes) record += pad4(index);
  return record;
}

RoomDressingRecord parseRoomDressing(std::string_view record) {
  RoomDressingRecord room;
  room.room = fieldValue(recordField(record, 1, 4));
  room.rect = {fieldValue(recordField(record, 5, 4)), fieldValue(recordField(record, 9, 4)),
               fieldValue(recordField(record, 13, 4)), fieldValue(recordField(record, 17, 4))};
  for (std::size_t i = 0; i < room.indexes.size(); ++i) {
    room.indexes[i] = fieldValue(recordField(record, 21 + 4 * i, 4));
  }
  return room;
}

std::string encounterRecord(const EncounterRecord& encounter) {
  return pad4(encounter.room) + pad4(encounter.index);
}

EncounterRecord parseEncounter(std::string_view record) {
  return {fieldValue(recordField(record, 1, 4)), fieldValue(recordField(record, 5, 4))};
}

std::uint32_t encounterSeed(std::uint32_t dungeonSeed, int room) {
  std::uint32_t x = dungeonSeed ^ (static_cast<std::uint32_t>(room) * 0x9E3779B9u);
  x ^= x >> 16;
  x *= 0x85EBCA6Bu;
  x ^= x >> 13;
  x *= 0xC2B2AE35u;
  x ^= x >> 16;
  return x;
}

std::string doorDressingRecord(const DoorDressingRecord& door) {
  std::string record = pad4(door.room);
  record += door.side;
  record += door.kind;
  record += digit(door.material);
  record += digit(door.lock);
  record += door.trapped ? '1' : '0';
  record += door.key;
  return record;
}

DoorDressingRecord parseDoorDressing(std::string_view record) {
  DoorDressingRecord door;
  door.room = fieldValue(recordField(record, 1, 4));
  door.side = charField(record, 5);
  door.kind = charField(record, 6);
  door.material = digitField(record, 7);
  door.lock = digitField(record, 8);
  door.trapped = charField(record, 9) == '1';
  door.key = recordField(record, 10, std::string_view::npos);
  return door;
}

}  // namespace delvora
