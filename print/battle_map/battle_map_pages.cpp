#include "print/battle_map/battle_map_pages.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "export/map_painter.h"
#include "export/map_symbols.h"
#include "export/scaled_surface.h"
#include "print/battle_map/helvetica.h"

namespace delvora {

namespace {

constexpr Rgb kInk{0, 0, 0};
constexpr Rgb kGrey{110, 110, 110};
constexpr Rgb kPageGrid{200, 30, 30};
constexpr Rgb kWhite{255, 255, 255};
constexpr double kThin = 0.5;
constexpr double kMarkRadius = 2.5 * kPointsPerMm;
constexpr double kMarkArm = 4 * kPointsPerMm;
// Share of the way along an edge where its two alignment marks sit.
constexpr double kMarkPlaces[] = {0.25, 0.75};

VectorPath circle(VecPoint c, double r) {
  // Control points at this share of the radius make the closest cubic quarter circles.
  constexpr double k = 0.5523;
  VectorPath path;
  path.moveTo({c.x + r, c.y});
  path.cubicTo({c.x + r, c.y + k * r}, {c.x + k * r, c.y + r}, {c.x, c.y + r});
  path.cubicTo({c.x - k * r, c.y + r}, {c.x - r, c.y + k * r}, {c.x - r, c.y});
  path.cubicTo({c.x - r, c.y - k * r}, {c.x - k * r, c.y - r}, {c.x, c.y - r});
  path.cubicTo({c.x + k * r, c.y - r}, {c.x + r, c.y - k * r}, {c.x + r, c.y});
  path.close();
  return path;
}

VectorPath segment(VecPoint a, VecPoint b) {
  VectorPath path;
  path.moveTo(a);
  path.lineTo(b);
  return path;
}

VectorPath box(const Box& b) {
  VectorPath path;
  path.rect(b.x, b.y, b.width, b.height);
  return path;
}

void write(PageCanvas& canvas, double x, double y, std::string_view text, double size,
           TextAnchor anchor = TextAnchor::Start, bool bold = false, Rgb color = kInk) {
  canvas.text({x, y}, text, {color, size, anchor, bold});
}

// A circle with a cross through it, centred where two pages meet.
void alignmentMark(PageCanvas& canvas, VecPoint at) {
  const StrokeStyle style{kInk, 0.4, LineCap::Butt, LineJoin::Miter};
  canvas.stroke(circle(at, kMarkRadius), style);
  VectorPath cross = segment({at.x - kMarkArm, at.y}, {at.x + kMarkArm, at.y});
  cross.append(segment({at.x, at.y - kMarkArm}, {at.x, at.y + kMarkArm}));
  canvas.stroke(cross, style);
}

// The kept neighbour in a direction, or null.
const BattlePage* keptAt(const BattleMapLayout& layout, int row, int column) {
  const BattlePage* page = layout.pageAt(row, column);
  return page != nullptr && page->kept ? page : nullptr;
}

std::string joinedLabels(const std::vector<std::string>& labels) {
  std::string text;
  for (const std::string& label : labels) {
    if (!text.empty()) text += ", ";
    text += label;
  }
  return text;
}

void drawAssemblyAids(const BattleMapLayout& layout, const BattlePage& page, PageCanvas& canvas) {
  const Box& c = layout.content;
  const double strip = layout.overlap * layout.scale;
  const StrokeStyle dashed{kGrey, kThin, LineCap::Butt, LineJoin::Miter, 2 * kPointsPerMm};
  const StrokeStyle cut{kInk, kThin, LineCap::Butt, LineJoin::Miter};
  const double gap = 2 * kPointsPerMm;
  if (keptAt(layout, page.row, page.column + 1) != nullptr) {
    const double x = c.right() - strip;
    canvas.stroke(segment({x, c.y}, {x, c.bottom()}), dashed);
    for (const double k : kMarkPlaces) alignmentMark(canvas, {x, c.y + k * c.height});
  }
  if (keptAt(layout, page.row + 1, page.column) != nullptr) {
    const double y = c.bottom() - strip;
    canvas.stroke(segment({c.x, y}, {c.right(), y}), dashed);
    for (const double k : kMarkPlaces) alignmentMark(canvas, {c.x + k * c.width, y});
  }
  // The edges to cut along, marked in the margin, with the halves of the marks that meet the
  // neighbour's whole ones.
  if (keptAt(layout, page.row, page.column - 1) != nullptr) {
    canvas.stroke(segment({c.x, 0}, {c.x, c.y - gap}), cut);
    canvas.stroke(segment({c.x, c.bottom() + gap}, {c.x, layout.pageHeight}), cut);
    for (const double k : kMarkPlaces) alignmentMark(canvas, {c.x, c.y + k * c.height});
  }
  if (keptAt(layout, page.row - 1, page.column) != nullptr) {
    canvas.stroke(segment({0, c.y}, {c.x - gap, c.y}), cut);
    canvas.stroke(segment({c.right() + gap, c.y}, {layout.pageWidth, c.y}), cut);
    for (const double k : kMarkPlaces) alignmentMark(canvas, {c.x + k * c.width, c.y});
  }
}

std::string squareText(const BattleMapOptions& options) {
  return options.square == SquareSize::Inch ? "1 inch squares" : "25.6 mm squares";
}

void drawMapPage(const BattleMapLayout& layout, const BattlePage& page,
                 const BattleMapOptions& options, std::string_view caption, PageCanvas& canvas) {
  const Box& c = layout.content;
  canvas.beginPage(layout.pageWidth, layout.pageHeight);
  canvas.placePicture(layout.scale,
                      {c.x - page.window.x * layout.scale, c.y - page.window.y * layout.scale}, c);
  drawAssemblyAids(layout, page, canvas);
  // Clear of the cut marks along the left edge.
  const double left = c.x + 2 * kPointsPerMm;
  const double top = c.y - 3 * kPointsPerMm;
  write(canvas, left, top, page.label, 12, TextAnchor::Start, true);
  write(canvas, left + 12 * kPointsPerMm, top, caption, 8);
  write(canvas, c.right(), top,
        squareText(options) + ", row " + rowLetters(page.row) + " of " +
            rowLetters(layout.down - 1) + ", column " + std::to_string(page.column + 1) + " of " +
            std::to_string(layout.across),
        8, TextAnchor::End);
  std::vector<std::string> over;
  if (const BattlePage* right = keptAt(layout, page.row, page.column + 1)) {
    over.push_back(right->label + " over the strip on the right");
  }
  if (const BattlePage* below = keptAt(layout, page.row + 1, page.column)) {
    over.push_back(below->label + " over the strip at the bottom");
  }
  if (!over.empty()) {
    write(canvas, left, c.bottom() + 6 * kPointsPerMm,
          "Lay " + joinedLabels(over) + ", marks on marks.", 8);
  }
  canvas.endPage();
}

// The overview's room key and instructions.
constexpr double kKeyEntryWidth = 46;
constexpr double kKeyLine = 10;
constexpr double kLegendHeight = 30;
constexpr const char* kInstructions[] = {
    "Print at actual size (100 %), not fitted to the page. Pages follow in rows, left to right.",
    "Trim the left margin of every page after column 1 and the top margin of every page after "
    "row A along the cut marks,",
    "lay it over its neighbour's dashed strip so that the alignment marks and the grid lines "
    "meet, and tape it from behind."};

double textWidth(std::string_view text, double size) {
  return helveticaWidth(winAnsiText(text), false) * size;
}

// The symbols as the map draws them, a little larger, each with its name.
void drawLegend(const MapDrawing& drawing, const BattleMapOptions& options, double x, double y,
                PageCanvas& canvas) {
  const StyleSheet sheet = styleSheet(options.look.style, drawing.background);
  constexpr double kSymbolScale = 1.2;
  constexpr double kCaptionSize = 8;
  constexpr double kGap = 12;
  const struct {
    char kind;
    const char* caption;
  } doors[] = {{'N', "door"}, {'C', "concealed door"}, {'S', "secret door"}, {'A', "archway"}};
  double at = x;
  const auto caption = [&](double symbolWidth, std::string_view text) {
    write(canvas, at + symbolWidth + 4, y + 3, text, kCaptionSize);
    at += symbolWidth + 4 + textWidth(text, kCaptionSize) + kGap;
  };
  for (const auto& item : doors) {
    // A door in a stretch of wall from -6 to 20 map pixels.
    ScaledSurface surface(canvas, kSymbolScale, {at + 6 * kSymbolScale, y});
    MapDoor door;
    door.tile = {0, -2, 14, 5};
    door.kind = item.kind;
    door.from = {1, 0};
    door.to = {13, 0};
    VectorPath wall = segment({-6, 0}, {1, 0});
    wall.append(segment({13, 0}, {20, 0}));
    if (item.kind == 'C' || item.kind == 'S') wall.append(segment({1, 0}, {13, 0}));
    surface.stroke(wall, {sheet.wall, sheet.wallWidth, LineCap::Butt, LineJoin::Miter});
    DoorSymbols symbols;
    symbols.add(door);
    symbols.draw(surface, sheet);
    caption(26 * kSymbolScale, item.caption);
  }
  for (const bool down : {false, true}) {
    ScaledSurface surface(canvas, kSymbolScale, {at, y - 8 * kSymbolScale});
    StairsSymbols symbols;
    symbols.add({{0, 0, 16, 16}, down});
    symbols.draw(surface, sheet);
    caption(16 * kSymbolScale, down ? "stairs down" : "stairs up");
  }
}

// The page grid over the small map: each page's own part, labelled; pages left out in grey.
void drawPageGrid(const BattleMapLayout& layout, double scale, VecPoint offset,
                  PageCanvas& canvas) {
  const auto at = [&](double x, double y) -> VecPoint {
    return {x * scale + offset.x, y * scale + offset.y};
  };
  for (const BattlePage& page : layout.pages) {
    const BattlePage* right = layout.pageAt(page.row, page.column + 1);
    const BattlePage* below = layout.pageAt(page.row + 1, page.column);
    const double x1 =
        std::min(right != nullptr ? right->window.x : page.window.right(), layout.printed.right());
    const double y1 = std::min(below != nullptr ? below->window.y : page.window.bottom(),
                               layout.printed.bottom());
    const VecPoint a = at(page.window.x, page.window.y);
    const VecPoint b = at(x1, y1);
    const Box cell{a.x, a.y, b.x - a.x, b.y - a.y};
    const Rgb color = page.kept ? kPageGrid : kGrey;
    canvas.stroke(box(cell), {color, page.kept ? 1.0 : kThin, LineCap::Butt, LineJoin::Miter,
                              page.kept ? 0.0 : 2.0});
    const double size = std::clamp(std::min(cell.width, cell.height) / 3, 5.0, 11.0);
    const double labelWidth = size * 0.7 * static_cast<double>(page.label.size()) + 4;
    const VecPoint centre{cell.x + cell.width / 2, cell.y + cell.height / 2};
    canvas.fill(box({centre.x - labelWidth / 2, centre.y - size * 0.6, labelWidth, size * 1.2}),
                kWhite, FillRule::NonZero);
    write(canvas, centre.x, centre.y + size * 0.36, page.label, size, TextAnchor::Middle, page.kept,
          color);
  }
}

// Writes text from (x, y) in lines no wider than width, broken at blanks; returns the y of the
// line after.
double writeWrapped(PageCanvas& canvas, double x, double y, std::string_view text, double size,
                    double width, double lineHeight) {
  std::string line;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string word(text.substr(at, end - at));
    const std::string longer = line.empty() ? word : (line + ' ').append(word);
    if (!line.empty() && textWidth(longer, size) > width) {
      write(canvas, x, y, line, size);
      y += lineHeight;
      line = word;
    } else {
      line = longer;
    }
    at = end + 1;
  }
  if (!line.empty()) write(canvas, x, y, line, size);
  return y + lineHeight;
}

// The caption, what the pages are and which are left out; returns the y below.
double drawHeading(const BattleMapLayout& layout, const BattleMapOptions& options,
                   std::string_view caption, PageCanvas& canvas) {
  const Box& c = layout.content;
  double y = c.y + 14;
  write(canvas, c.x, y, caption, 14, TextAnchor::Start, true);
  y += 16;
  const int kept = layout.keptCount();
  y = writeWrapped(
      canvas, c.x, y,
      "Battle map in " + squareText(options) + " on " +
          (options.paper == PaperSize::A4 ? std::string("A4") : std::string("Letter")) +
          (layout.landscape ? " (landscape)" : " (portrait)") + ", " +
          std::string(mapStyleName(options.look.style)) + " style: " + std::to_string(kept) +
          (kept == 1 ? " page" : " pages") + " after this one, in a grid of " +
          std::to_string(layout.down) + " rows and " + std::to_string(layout.across) + " columns.",
      9, c.width, 12);
  const std::string leftOut = leftOutPages(layout);
  y = writeWrapped(canvas, c.x, y,
                   leftOut.empty() ? std::string("No page is left out.")
                                   : "Left out, as they hold nothing but rock: " + leftOut + ".",
                   9, c.width, 12);
  return y - 2;
}

// Every room's number with the page it is on, in columns; returns the y below.
double drawRoomKey(const MapDrawing& drawing, const BattleMapLayout& layout, double y,
                   PageCanvas& canvas) {
  const Box& c = layout.content;
  const std::size_t columns =
      static_cast<std::size_t>(std::max(1, static_cast<int>(c.width / kKeyEntryWidth)));
  write(canvas, c.x, y, "Rooms and the pages their numbers are on:", 9, TextAnchor::Start, true);
  for (std::size_t i = 0; i < drawing.labels.size(); ++i) {
    const RoomLabel& label = drawing.labels[i];
    const double x = c.x + static_cast<double>(i % columns) * kKeyEntryWidth;
    const std::size_t row = i / columns;
    const double entryY = y + 2 + static_cast<double>(row + 1) * kKeyLine;
    write(canvas, x + 14, entryY, std::to_string(label.number), 8, TextAnchor::End, true);
    write(canvas, x + 18, entryY, layout.pageOf(label.room.left + 8 + 3, label.room.top + 12), 8);
  }
  const std::size_t rows = (drawing.labels.size() + columns - 1) / columns;
  return y + 18 + static_cast<double>(rows) * kKeyLine;
}

double roomKeyHeight(const MapDrawing& drawing, const BattleMapLayout& layout) {
  if (drawing.labels.empty()) return 0;
  const std::size_t columns = static_cast<std::size_t>(
      std::max(1, static_cast<int>(layout.content.width / kKeyEntryWidth)));
  const std::size_t rows = (drawing.labels.size() + columns - 1) / columns;
  return 26 + static_cast<double>(rows) * kKeyLine;
}

void drawOverview(const MapDrawing& drawing, const BattleMapLayout& layout,
                  const BattleMapOptions& options, std::string_view caption, PageCanvas& canvas) {
  const Box& c = layout.content;
  canvas.beginPage(layout.pageWidth, layout.pageHeight);
  double y = drawHeading(layout, options, caption, canvas);
  // The map fits into what the legend, the room key and the instructions below it leave.
  const double below = kLegendHeight + roomKeyHeight(drawing, layout) + 8 + 3 * kKeyLine;
  const Box space{c.x, y, c.width, std::max(c.bottom() - below - y, 10.0)};
  const Box& printed = layout.printed;
  const double scale = std::min(space.width / printed.width, space.height / printed.height);
  const Box shown{space.x + (space.width - printed.width * scale) / 2, space.y,
                  printed.width * scale, printed.height * scale};
  const VecPoint offset{shown.x - printed.x * scale, shown.y - printed.y * scale};
  canvas.placePicture(scale, offset, shown);
  canvas.stroke(box(shown), {kGrey, kThin, LineCap::Butt, LineJoin::Miter});
  drawPageGrid(layout, scale, offset, canvas);

  y = shown.bottom() + kLegendHeight / 2 + 4;
  drawLegend(drawing, options, c.x, y, canvas);
  y += kLegendHeight / 2 + 8;
  if (!drawing.labels.empty()) y = drawRoomKey(drawing, layout, y, canvas);
  for (const char* text : kInstructions) {
    write(canvas, c.x, y, text, 8);
    y += kKeyLine;
  }
  canvas.endPage();
}

}  // namespace

std::string leftOutPages(const BattleMapLayout& layout) {
  std::vector<std::string> labels;
  for (const BattlePage& page : layout.pages) {
    if (!page.kept) labels.push_back(page.label);
  }
  return joinedLabels(labels);
}

void drawBattleMap(const MapDrawing& drawing, const BattleMapLayout& layout,
                   const BattleMapOptions& options, std::string_view caption, PageCanvas& canvas) {
  canvas.setPicture(
      [&drawing, &options](VectorSurface& surface) { paintMap(drawing, options.look, surface); });
  drawOverview(drawing, layout, options, caption, canvas);
  for (const BattlePage& page : layout.pages) {
    if (page.kept) drawMapPage(layout, page, options, caption, canvas);
  }
}

}  // namespace delvora
