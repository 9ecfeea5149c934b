#include "print/dressing_printout.h"

#include "dressing/dressing_categories.h"
#include "dressing/room_view.h"

namespace delvora {

namespace {

void addCategory(const CategoryEntry& entry, std::string_view label, bool fluffEdited,
                 std::vector<PrintLine>& lines) {
  const std::string_view text = entry.text.value_or("");
  // Index 0 is the empty category, except after an editing round trip, where it holds room 1's
  // own text.
  const bool shown = fluffEdited ? !text.empty() : entry.index > 0;
  if (!shown) return;
  lines.push_back({std::string(label)});
  lines.push_back({"  " + std::string(text)});
}

void addRoom(const RoomDressingView& room, bool fluffEdited, std::vector<PrintLine>& lines) {
  lines.push_back({"Room " + room.label});
  lines.push_back({"Size " + room.sizeText()});
  for (std::size_t i = 0; i < room.categories.size(); ++i) {
    addCategory(room.categories[i], kDressingCategories[i].label, fluffEdited, lines);
  }
  if (room.encounter) addCategory(*room.encounter, kEncounterCategory.label, fluffEdited, lines);
  lines.push_back({"Door(s):"});
  for (const std::string& door : room.doors) lines.push_back({"  " + door});
  lines.push_back({""});
}

// Length of the longest prefix of text that fits width (at least one character, so that every
// line makes progress).
std::size_t fittingPrefix(std::string_view text, int points, int width,
                          const TextMeasure& measure) {
  std::size_t low = 1;
  std::size_t high = text.size();
  while (low < high) {
    const std::size_t mid = (low + high + 1) / 2;
    if (measure.width(text.substr(0, mid), points) <= width) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return low;
}

}  // namespace

std::vector<PrintLine> dressingPrintLines(const MapModel& model, const DressingTables& tables,
                                          std::string_view caption) {
  std::vector<PrintLine> lines{{std::string(caption), kCaptionPoints}, {"", kCaptionPoints}};
  for (const RoomDressingView& room : roomDressingViews(model, tables)) {
    addRoom(room, model.fluffEdited, lines);
  }
  return lines;
}

PrintoutLayout layoutPrintout(const std::vector<PrintLine>& lines, int pageWidth, int pageHeight,
                              const TextMeasure& measure) {
  PrintoutLayout layout;
  int y = 0;
  const auto place = [&](std::string text, int points) {
    const int height = measure.height(points);
    const int pitch = text.empty() ? height : height + 2;
    layout.lines.push_back({layout.pages, y, std::move(text), points});
    y += pitch;
    if (y > pageHeight - 2 * pitch) {
      ++layout.pages;
      y = 0;
    }
  };
  for (const PrintLine& line : lines) {
    std::string_view rest = line.text;
    while (rest.size() > 1 && measure.width(rest, line.points) > pageWidth) {
      const std::size_t cut = fittingPrefix(rest, line.points, pageWidth, measure);
      place(std::string(rest.substr(0, cut)), line.points);
      rest.remove_prefix(cut);
    }
    place(std::string(rest), line.points);
  }
  layout.footerY = pageHeight - measure.height(kFooterPoints);
  return layout;
}

}  // namespace delvora
