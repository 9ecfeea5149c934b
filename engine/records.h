#pragma once

#include <string>
#include <string_view>

namespace delvora {

// Feature types, stored as their digit in the last character of a feature record.
enum class FeatureType : int {
  Room = 1,
  HorizontalCorridor = 2,
  VerticalCorridor = 3,
  RoundRoom = 4
};

inline bool isRoom(FeatureType type) {
  return type == FeatureType::Room || type == FeatureType::RoundRoom;
}
inline bool isCorridor(FeatureType type) {
  return type == FeatureType::HorizontalCorridor || type == FeatureType::VerticalCorridor;
}

// A rectangle in map pixels: left, top, right, bottom.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const Rect&) const = default;
};

// A room or corridor: its rectangle and feature type.
struct Feature {
  Rect rect;
  FeatureType type{};
};

// A value as four decimal digits, left-padded with "0" ("0096"); values outside 0..9999 keep
// all their digits.
std::string pad4(int value);

// Integer value of a fixed-width field, after trimming blanks; 0 for anything not a number.
int fieldValue(std::string_view text);

// Field of a fixed-width record: characters first..first+length-1 (1-based, as records are
// described), cut short at the record's end. Only the record readers cut records.
std::string_view recordField(std::string_view record, std::size_t first, std::size_t length);

// The 17-character feature record: four padded coordinates and the type digit.
std::string featureRecord(const Rect& rect, FeatureType type);
Feature parseFeature(std::string_view record);

// A door of lstDoors.
struct DoorRecord {
  // The door tile; right and bottom are exclusive.
  Rect tile;
  // 'H': the door sits in a horizontal wall; 'V': in a vertical wall.
  char orientation = 'H';
  // 'A' archway, 'N' door, 'C' concealed door, 'S' secret door.
  char kind = 'A';
};

// The 18-character door record: the tile's four padded coordinates, then the orientation and
// kind letters. A record cut short reads as an archway in a horizontal wall.
std::string doorRecord(const Rect& tile, char orientation, char kind);
DoorRecord parseDoor(std::string_view record);

// The 16-character stairs record of a 16 x 16 staircase at (x, y): its rectangle, four padded
// coordinates.
std::string stairsRecord(int x, int y);
Rect parseStairs(std::string_view record);

// A door's key across rooms: its four coordinates in plain decimal, run together. The room and
// door dressing records that use it are in engine/dressing_records.h.
std::string doorKey(const Rect& tile);

}  // namespace delvora
