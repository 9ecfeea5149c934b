#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"

namespace delvora {

// The fields of a room dressing record of lstFluff.
struct RoomRecord {
  // Characters 1-4 as stored: the number, left-justified with trailing blanks ("7   ").
  std::string_view label;
  Rect rect;
  // Indexes into the six tables, in table order.
  std::array<int, 6> indexes{};

  int number() const { return fieldValue(label); }
  // The number as door dressing records start with it ("0007").
  std::string key() const { return pad4(number()); }
  // Size in tens of a grid square: 16 pixels are 10 units, rounded down.
  int widthUnits() const { return (rect.right - rect.left) * 10 / 16; }
  int heightUnits() const { return (rect.bottom - rect.top) * 10 / 16; }
};

RoomRecord parseRoomRecord(std::string_view record);

// The table's entry at index, or nullptr when it has none there (the tables may have changed
// since the record was rolled).
const std::string* tableEntry(const DressingTable& table, int index);

// The room's door dressing records, in lstDoorDress order.
std::vector<std::string_view> roomDoorRecords(const MapModel& model, const RoomRecord& room);

}  // namespace delvora
