#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"

namespace delvora {

// Font sizes of the dressing printout and of the settings footer, in points.
inline constexpr int kCaptionPoints = 12;
inline constexpr int kDressingPoints = 10;
inline constexpr int kFooterPoints = 8;
// The footer's left edge on the dressing printout, in device pixels.
inline constexpr int kDressingFooterX = 10;

// One line of the dressing printout in its font size; an empty text is an empty line.
struct PrintLine {
  std::string text;
  int points = kDressingPoints;
  bool operator==(const PrintLine&) const = default;
};

// The printout's lines: the caption and an empty line, then per room of lstFluff its number,
// size, the categories that are not empty, "Door(s):", its door lines and an empty line. A
// category is left out when its index is 0, or, after an editing round trip
// (model.fluffEdited), when its text is empty.
std::vector<PrintLine> dressingPrintLines(const MapModel& model, const DressingTables& tables,
                                          std::string_view caption);

// Text measurement of the printer's font, in device pixels.
struct TextMeasure {
  std::function<int(std::string_view text, int points)> width;
  // The font's character height.
  std::function<int(int points)> height;
};

// A line placed on a page; y is its top edge, x is always 0.
struct PlacedLine {
  int page = 0;
  int y = 0;
  std::string text;
  int points = kDressingPoints;
};

struct PrintoutLayout {
  std::vector<PlacedLine> lines;
  // Pages in all (from 1); the footer goes on the last one.
  int pages = 1;
  // The footer's top edge on the last page.
  int footerY = 0;
};

// Lays the lines out from the top-left corner of a pageWidth x pageHeight area: a line advances
// by its text height + 2 (an empty line by the font's height), a line wider than the page is
// broken at the last character that fits, and a new page begins when the next line's position
// lies below the page height less twice the finished line's pitch.
PrintoutLayout layoutPrintout(const std::vector<PrintLine>& lines, int pageWidth, int pageHeight,
                              const TextMeasure& measure);

}  // namespace delvora
