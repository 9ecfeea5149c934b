#include "engine/records.h"

#include <charconv>

#include "engine/text.h"

namespace delvora {

namespace {

// Characters 1-16 of a feature, door or stairs record: left, top, right and bottom.
Rect parseRect(std::string_view record) {
  return {fieldValue(recordField(record, 1, 4)), fieldValue(recordField(record, 5, 4)),
          fieldValue(recordField(record, 9, 4)), fieldValue(recordField(record, 13, 4))};
}

}  // namespace

std::string pad4(int value) {
  std::string digits = std::to_string(value);
  if (value >= 0 && digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return digits;
}

int fieldValue(std::string_view field) {
  const std::string_view text = trimmed(field);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

std::string_view recordField(std::string_view record, std::size_t first, std::size_t length) {
  if (first == 0 || first > record.size()) return {};
  return record.substr(first - 1, length);
}

std::string featureRecord(const Rect& rect, FeatureType type) {
  std::string record;
  record.reserve(17);
  record += pad4(rect.left);
  record += pad4(rect.top);
  record += pad4(rect.right);
  record += pad4(rect.bottom);
  record += std::to_string(static_cast<int>(type));
  return record;
}

Feature parseFeature(std::string_view record) {
  return Feature{parseRect(record),
                 static_cast<FeatureType>(fieldValue(recordField(record, 17, 1)))};
}

std::string doorRecord(const Rect& tile, char orientation, char kind) {
  return pad4(tile.left) + pad4(tile.top) + pad4(tile.right) + pad4(tile.bottom) + orientation +
         kind;
}

DoorRecord parseDoor(std::string_view record) {
  DoorRecord door;
  door.tile = parseRect(record);
  const std::string_view orientation = recordField(record, 17, 1);
  if (!orientation.empty()) door.orientation = orientation.front();
  const std::string_view kind = recordField(record, 18, 1);
  if (!kind.empty()) door.kind = kind.front();
  return door;
}

std::string stairsRecord(int x, int y) {
  return pad4(x) + pad4(y) + pad4(x + 16) + pad4(y + 16);
}

Rect parseStairs(std::string_view record) {
  return parseRect(record);
}

std::string doorKey(const Rect& tile) {
  return std::to_string(tile.left) + std::to_string(tile.top) + std::to_string(tile.right) +
         std::to_string(tile.bottom);
}

}  // namespace delvora
