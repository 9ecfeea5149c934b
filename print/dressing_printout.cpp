#include "print/dressing_printout.h"

#include <array>

#include "dressing/door_dressing.h"
#include "dressing/room_record.h"

namespace delvora {

namespace {

constexpr std::array<std::string_view, 6> kLabels = {"Description", "Sounds", "Smells",
                                                     "Items",       "Traps",  "Treasure"};

void addRoom(const MapModel& model, const DressingTables& tables, std::string_view record,
             std::vector<PrintLine>& lines) {
  const RoomRecord room = parseRoomRecord(record);
  lines.push_back({"Room " + std::string(room.label)});
  lines.push_back({"Size (" + std::to_string(room.widthUnits()) + "x" +
                   std::to_string(room.heightUnits()) + ")"});
  const auto all = tables.all();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const std::string* entry = tableEntry(*all[i], room.indexes[i]);
    const std::string text = entry != nullptr ? *entry : std::string();
    // Index 0 is the empty category, except after an editing round trip, where it holds room 1's
    // own text.
    const bool shown = model.fluffEdited ? !text.empty() : room.indexes[i] > 0;
    if (!shown) continue;
    lines.push_back({std::string(kLabels[i])});
    lines.push_back({"  " + text});
  }
  lines.push_back({"Door(s):"});
  for (const std::string_view door : roomDoorRecords(model, room)) {
    lines.push_back({"  " + doorDescription(door)});
  }
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
  for (const std::string& record : model.lstFluff) addRoom(model, tables, record, lines);
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
