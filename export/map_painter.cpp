#include "export/map_painter.h"

#include <algorithm>
#include <string>

#include "export/map_symbols.h"
#include "export/outline_path.h"

namespace delvora {

namespace {

constexpr double kHatchSpacing = 4;

VectorPath wholeMap(const MapDrawing& d) {
  VectorPath path;
  path.rect(0, 0, d.width, d.height);
  return path;
}

// The squares next to floor (and those holding it), as an outline in map pixels.
std::vector<WallPolyline> besideFloor(const TracedMap& traced) {
  const int across = traced.squaresAcross;
  const int down = traced.squaresDown;
  const auto near = [&](int column, int row) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (traced.floorInSquare(column + dx, row + dy)) return true;
      }
    }
    return false;
  };
  std::vector<std::uint8_t> band(static_cast<std::size_t>(across) * static_cast<std::size_t>(down));
  for (int row = 0; row < down; ++row) {
    for (int column = 0; column < across; ++column) {
      band[static_cast<std::size_t>(row) * static_cast<std::size_t>(across) +
           static_cast<std::size_t>(column)] = near(column, row) ? 1 : 0;
    }
  }
  const auto in = [&](int column, int row) {
    return column >= 0 && row >= 0 && column < across && row < down &&
           band[static_cast<std::size_t>(row) * static_cast<std::size_t>(across) +
                static_cast<std::size_t>(column)] != 0;
  };
  std::vector<WallPolyline> lines = closeLoops(joinRuns(straightRunsByRow(
      across, down,
      [&](int row, std::uint8_t* flags) {
        for (int x = 0; x <= across; ++x) flags[x] = in(x - 1, row) != in(x, row) ? 1 : 0;
      },
      [&](int row, std::uint8_t* flags) {
        for (int x = 0; x < across; ++x) flags[x] = in(x, row - 1) != in(x, row) ? 1 : 0;
      })));
  for (WallPolyline& line : lines) {
    for (MapPoint& p : line) p = {p.x * kGridSize, p.y * kGridSize};
  }
  return lines;
}

// Diagonal strokes over the rock a square deep around the floor.
void hatch(const MapDrawing& d, const StyleSheet& sheet, const VectorPath& floor,
           VectorSurface& surface) {
  VectorPath band = outlinePath(besideFloor(d.traced));
  if (band.empty()) return;
  band.append(floor);
  surface.pushClip(band, FillRule::EvenOdd);
  VectorPath strokes;
  for (int line = 1; line * kHatchSpacing < d.width + d.height; ++line) {
    // The line x + y = k across the map.
    const double k = line * kHatchSpacing;
    const double x0 = std::max(0.0, k - d.height);
    const double x1 = std::min(static_cast<double>(d.width), k);
    strokes.moveTo({x0, k - x0});
    strokes.lineTo({x1, k - x1});
  }
  surface.stroke(strokes, {sheet.hatch, sheet.hatchWidth, LineCap::Butt, LineJoin::Miter});
  surface.popClip();
}

// A band's strokes, as the canvas drew them: each segment with its own width, round-ended;
// segments of one width in a row make one polyline.
void drawBand(const std::vector<CoursePoint>& course, Rgb color, VectorSurface& surface) {
  for (std::size_t i = 1; i < course.size();) {
    const int width = course[i].width;
    VectorPath path;
    path.moveTo({static_cast<double>(course[i - 1].x), static_cast<double>(course[i - 1].y)});
    while (i < course.size() && course[i].width == width) {
      path.lineTo({static_cast<double>(course[i].x), static_cast<double>(course[i].y)});
      ++i;
    }
    surface.stroke(path, {color, static_cast<double>(width), LineCap::Round, LineJoin::Round});
  }
}

void paintWater(const MapDrawing& d, const StyleSheet& sheet, const VectorPath& floor,
                VectorSurface& surface) {
  if (d.river.empty() && d.chasm.empty()) return;
  if (sheet.bandsOnFloorOnly) surface.pushClip(floor, FillRule::EvenOdd);
  drawBand(d.river, sheet.river, surface);
  drawBand(d.chasm, sheet.chasm, surface);
  if (sheet.bandsOnFloorOnly) surface.popClip();
  if (sheet.bandsOnFloorOnly && !d.traced.chasm.empty()) {
    surface.stroke(outlinePath(d.traced.chasm),
                   {sheet.wall, sheet.wallWidth / 2, LineCap::Round, LineJoin::Round});
  }
}

void paintGrid(const MapDrawing& d, const StyleSheet& sheet, const VectorPath& floor,
               VectorSurface& surface) {
  if (!d.grid) return;
  VectorPath lines;
  for (int x = 0; x <= d.width; x += kGridSize) {
    lines.moveTo({static_cast<double>(x), 0});
    lines.lineTo({static_cast<double>(x), static_cast<double>(d.height)});
  }
  for (int y = 0; y <= d.height; y += kGridSize) {
    lines.moveTo({0, static_cast<double>(y)});
    lines.lineTo({static_cast<double>(d.width), static_cast<double>(y)});
  }
  if (sheet.gridOnFloorOnly) surface.pushClip(floor, FillRule::EvenOdd);
  surface.stroke(lines, {sheet.grid, sheet.gridWidth, LineCap::Butt, LineJoin::Miter});
  if (sheet.gridOnFloorOnly) surface.popClip();
}

}  // namespace

void paintMap(const MapDrawing& drawing, const MapLook& look, VectorSurface& surface) {
  const StyleSheet sheet = styleSheet(look.style, drawing.background);
  const VectorPath floor = outlinePath(drawing.traced.floor, &drawing.corners);

  surface.beginLayer("floor");
  surface.fill(wholeMap(drawing), sheet.ground, FillRule::NonZero);
  if (look.hatching) hatch(drawing, sheet, floor, surface);
  if (!floor.empty()) surface.fill(floor, sheet.floor, FillRule::EvenOdd);
  surface.endLayer();

  surface.beginLayer("water");
  paintWater(drawing, sheet, floor, surface);
  surface.endLayer();

  surface.beginLayer("grid");
  paintGrid(drawing, sheet, floor, surface);
  surface.endLayer();

  surface.beginLayer("walls");
  const VectorPath walls = outlinePath(drawing.traced.walls, &drawing.corners);
  if (!walls.empty()) {
    surface.stroke(walls, {sheet.wall, sheet.wallWidth, LineCap::Round, LineJoin::Round});
  }
  surface.endLayer();

  surface.beginLayer("doors");
  DoorSymbols doors;
  for (const MapDoor& door : drawing.doors) doors.add(door);
  doors.draw(surface, sheet);
  surface.endLayer();

  surface.beginLayer("stairs");
  StairsSymbols stairs;
  for (const StairsMark& mark : drawing.stairs) stairs.add(mark);
  stairs.draw(surface, sheet);
  surface.endLayer();

  surface.beginLayer("labels");
  for (const RoomLabel& label : drawing.labels) {
    surface.text({label.room.left + 8.0, label.room.top + 16.0}, std::to_string(label.number),
                 {sheet.label, kLabelSize, TextAnchor::Start});
  }
  surface.endLayer();
}

}  // namespace delvora
