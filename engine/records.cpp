#include "engine/records.h"

#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/text.h"

namespace delvora {

namespace {

// Runs write and read records thousands of times, nearly always with four-digit values: those
// take the short ways below, anything else the general ones.

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

void appendPadded(std::string& text, int value) {
  if (value < 0 || value > 9999) {
    text += std::to_string(value);
    return;
  }
  const char digits[4] = {
      static_cast<char>('0' + value / 1000), static_cast<char>('0' + value / 100 % 10),
      static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
  text.append(digits, 4);
}

// Eight characters loaded as one little-endian word are all digits when every byte is
// 0x30..0x39: its high nibble is 3, and adding 6 does not carry into it.
bool eightDigits(std::uint64_t word) {
  constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0;
  constexpr std::uint64_t kThrees = 0x3030303030303030;
  return (word & kHighNibbles) == kThrees &&
         ((word + 0x0606060606060606) & kHighNibbles) == kThrees;
}

// The value of four digit characters loaded as one little-endian word: pairs of digits first,
// then the two pairs.
int fourDigitValue(std::uint32_t word) {
  word -= 0x30303030;
  word = ((word & 0x0F0F0F0F) * 2561) >> 8;
  return static_cast<int>(((word & 0x00FF00FF) * 6553601) >> 16);
}

// sizeof(Word) characters as a little-endian word, whatever the machine's byte order.
template <typename Word>
Word littleEndianWord(const char* text) {
  Word word;
  std::memcpy(&word, text, sizeof word);
  if constexpr (std::endian::native == std::endian::big) {
    Word swapped = 0;
    for (std::size_t i = 0; i < sizeof word; ++i) {
      swapped = static_cast<Word>(swapped << 8) | static_cast<Word>((word >> (8 * i)) & 0xFF);
    }
    word = swapped;
  }
  return word;
}

// The four fields of a record whose first 16 characters are digits.
bool readFourDigitFields(std::string_view record, int (&fields)[4]) {
  if (record.size() < 16) return false;
  if (!eightDigits(littleEndianWord<std::uint64_t>(record.data())) ||
      !eightDigits(littleEndianWord<std::uint64_t>(record.data() + 8))) {
    return false;
  }
  for (int f = 0; f < 4; ++f) {
    fields[f] =
        fourDigitValue(littleEndianWord<std::uint32_t>(record.data() + std::ptrdiff_t{4} * f));
  }
  return true;
}

// Characters 1-16 of a feature, door or stairs record: left, top, right and bottom.
Rect parseRect(std::string_view record) {
  int fields[4];
  if (readFourDigitFields(record, fields)) return {fields[0], fields[1], fields[2], fields[3]};
  return {fieldValue(recordField(record, 1, 4)), fieldValue(recordField(record, 5, 4)),
          fieldValue(recordField(record, 9, 4)), fieldValue(recordField(record, 13, 4))};
}

// The four padded coordinates of a rectangle.
void appendRect(std::string& record, const Rect& rect) {
  appendPadded(record, rect.left);
  appendPadded(record, rect.top);
  appendPadded(record, rect.right);
  appendPadded(record, rect.bottom);
}

}  // namespace

std::string pad4(int value) {
  std::string digits;
  appendPadded(digits, value);
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
  record.reserve(18);
  appendRect(record, rect);
  const int digit = static_cast<int>(type);
  if (digit >= 0 && digit <= 9) {
    record += static_cast<char>('0' + digit);
  } else {
    record += std::to_string(digit);
  }
  return record;
}

Feature parseFeature(std::string_view record) {
  const int type = record.size() >= 17 && isDigit(record[16])
                       ? record[16] - '0'
                       : fieldValue(recordField(record, 17, 1));
  return Feature{parseRect(record), static_cast<FeatureType>(type)};
}

std::string doorRecord(const Rect& tile, char orientation, char kind) {
  std::string record;
  record.reserve(18);
  appendRect(record, tile);
  record += orientation;
  record += kind;
  return record;
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
  std::string record;
  record.reserve(16);
  appendRect(record, {x, y, x + 16, y + 16});
  return record;
}

Rect parseStairs(std::string_view record) {
  return parseRect(record);
}

std::string doorKey(const Rect& tile) {
  return std::to_string(tile.left) + std::to_string(tile.top) + std::to_string(tile.right) +
         std::to_string(tile.bottom);
}

}  // namespace delvora
