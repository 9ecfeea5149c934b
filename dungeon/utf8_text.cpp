#include "dungeon/utf8_text.h"

#include <cstdint>

namespace delvora {

namespace {

// The length of the sequence a lead byte starts and the range its second byte must lie in,
// which rules out overlong forms, surrogates and code points past U+10FFFF; 0 for a byte that
// cannot start one.
struct Lead {
  int length;
  std::uint8_t low;
  std::uint8_t high;
};

Lead leadOf(std::uint8_t byte) {
  if (byte >= 0xc2 && byte <= 0xdf) return {2, 0x80, 0xbf};
  if (byte == 0xe0) return {3, 0xa0, 0xbf};
  if (byte == 0xed) return {3, 0x80, 0x9f};
  if (byte >= 0xe1 && byte <= 0xef) return {3, 0x80, 0xbf};
  if (byte == 0xf0) return {4, 0x90, 0xbf};
  if (byte >= 0xf1 && byte <= 0xf3) return {4, 0x80, 0xbf};
  if (byte == 0xf4) return {4, 0x80, 0x8f};
  return {0, 0, 0};
}

bool isContinuation(std::uint8_t byte) {
  return byte >= 0x80 && byte <= 0xbf;
}

}  // namespace

bool isUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto byte = static_cast<std::uint8_t>(bytes[i]);
    if (byte < 0x80) {
      ++i;
      continue;
    }
    const Lead lead = leadOf(byte);
    const auto length = static_cast<std::size_t>(lead.length);
    if (length == 0 || bytes.size() - i < length) return false;
    const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
    if (second < lead.low || second > lead.high) return false;
    for (std::size_t k = 2; k < length; ++k) {
      if (!isContinuation(static_cast<std::uint8_t>(bytes[i + k]))) return false;
    }
    i += length;
  }
  return true;
}

std::string utf8Text(std::string_view bytes) {
  if (isUtf8(bytes)) return std::string(bytes);
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte < 0x80) {
      text.push_back(c);
    } else {
      text.push_back(static_cast<char>(0xc0 | (byte >> 6)));
      text.push_back(static_cast<char>(0x80 | (byte & 0x3f)));
    }
  }
  return text;
}

}  // namespace delvora
