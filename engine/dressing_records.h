#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/records.h"

namespace delvora {

// Rooms are dressed in six categories, in this order: description, sounds, smells, items,
// traps, treasure.
inline constexpr std::size_t kDressingCategoryCount = 6;

// A room of lstFluff: its number, rectangle and one dressing-table index per category.
struct RoomDressingRecord {
  int room = 0;
  // As in the room's feature record, in map pixels.
  Rect rect;
  // Indexes into the six tables, in category order; 0 is the empty-category entry.
  std::array<int, kDressingCategoryCount> indexes{};
};

// The 44-character room dressing record: the room label (roomLabel), the four padded
// coordinates, then the six indexes padded to four digits. Fields cut short or not numbers read
// as 0.
std::string roomDressingRecord(const RoomDressingRecord& room);
RoomDressingRecord parseRoomDressing(std::string_view record);

// A room's encounter of lstEncounters: the room and its index into the encounter table (0 is the
// empty entry).
struct EncounterRecord {
  int room = 0;
  int index = 0;
};

// The 8-character encounter record: the room number and the index, each padded to four digits
// ("00070012"). Fields cut short or not numbers read as 0.
std::string encounterRecord(const EncounterRecord& encounter);
EncounterRecord parseEncounter(std::string_view record);

// The seed of a room's encounter stream, mixed from the dungeon's seed and the room number so
// that neighbouring seeds and rooms give unrelated streams: x = seed xor (room * 0x9E3779B9),
// then x ^= x >> 16, x *= 0x85EBCA6B, x ^= x >> 13, x *= 0xC2B2AE35, x ^= x >> 16 (all modulo
// 2^32). Encounters draw only from these streams, never from the map's.
std::uint32_t encounterSeed(std::uint32_t dungeonSeed, int room);

// The room number as room dressing records begin: left-justified, padded with blanks to four
// characters ("7   ").
std::string roomLabel(int room);

// A door of a dressed room, told from that room's side.
struct DoorDressingRecord {
  int room = 0;
  // The room's wall the door lies in: 'N', 'E', 'S' or 'W'.
  char side = '\0';
  // The door record's kind letter: 'A', 'N', 'C' or 'S'.
  char kind = '\0';
  // 0 archway, 1-9 the door materials; -1 when the record's digit is not a digit.
  int material = 0;
  // 0 unlocked, 1 locked, 2 stuck; -1 when the record's digit is not a digit.
  int lock = 0;
  bool trapped = false;
  // The door's key (doorKey); a view into the record read or the key written.
  std::string_view key;
};

// The door dressing record of lstDoorDress: the room number padded to four digits, the side,
// kind, material, lock and trap characters, then the door key. The writer takes the material
// and lock as single digits; the reader gives '\0' for a letter past the record's end.
std::string doorDressingRecord(const DoorDressingRecord& door);
DoorDressingRecord parseDoorDressing(std::string_view record);

}  // namespace delvora
