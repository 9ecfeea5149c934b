#include "print/battle_map/helvetica.h"

#include <array>
#include <cstdint>

#include "export/vector_surface.h"

namespace delvora {

namespace {

// Widths in thousandths of the em of characters 32 to 126.
constexpr std::array<std::uint16_t, 95> kRegular = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr std::array<std::uint16_t, 95> kBold = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722, 722, 667,
    611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
    667, 611, 333, 278, 333, 584, 556, 333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556,
    278, 889, 611, 611, 611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};
// Characters outside that range are taken as wide as a digit.
constexpr std::uint16_t kOther = 556;

// Unicode of Windows-1252's codes 0x80 to 0x9f; 0 where the code is unused.
constexpr std::array<std::uint16_t, 32> kHigh = {
    0x20ac, 0,      0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017d, 0,      0,      0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0,      0x017e, 0x0178};

char winAnsiCode(char32_t code) {
  if ((code >= 0x20 && code < 0x7f) || (code >= 0xa0 && code <= 0xff)) {
    return static_cast<char>(code);
  }
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] != 0 && kHigh[i] == code) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string winAnsiText(std::string_view utf8) {
  std::string out;
  for (const char32_t code : codePoints(utf8)) {
    if (code < 0x20) continue;
    out += winAnsiCode(code);
  }
  return out;
}

double helveticaWidth(std::string_view winAnsi, bool bold) {
  const std::array<std::uint16_t, 95>& widths = bold ? kBold : kRegular;
  double total = 0;
  for (const char c : winAnsi) {
    const auto code = static_cast<unsigned char>(c);
    total += code >= 32 && code <= 126 ? widths[code - 32] : kOther;
  }
  return total / 1000;
}

}  // namespace delvora
