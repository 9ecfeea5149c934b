#include "export/uvtt_export.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "export/base64.h"
#include "export/json_file.h"
#include "export/wall_outline.h"
#include "render/png_writer.h"
#include "render/scaled_rows.h"

namespace delvora {

namespace {

using nlohmann::json;

json squares(double x, double y) {
  return {{"x", x / kGridSize}, {"y", y / kGridSize}};
}

json squares(const MapPoint& p) {
  return squares(p.x, p.y);
}

json pictureSquares(const Bitmap& map, int pxPerGrid) {
  return {{"x", uvttMapSize(scaledLength(map.width(), pxPerGrid), pxPerGrid)},
          {"y", uvttMapSize(scaledLength(map.height(), pxPerGrid), pxPerGrid)}};
}

json portal(const MapDoor& door) {
  const double midX = (door.from.x + door.to.x) / 2.0;
  const double midY = (door.from.y + door.to.y) / 2.0;
  return {{"position", squares(midX, midY)},
          {"bounds", json::array({squares(door.from), squares(door.to)})},
          {"rotation", door.orientation == 'H' ? 0.0 : std::numbers::pi / 2},
          {"closed", true},
          {"freestanding", false}};
}

}  // namespace

double uvttMapSize(long pictureSide, int pxPerGrid) {
  const double side = static_cast<double>(pictureSide);
  double size = side / pxPerGrid;
  while (size * pxPerGrid < side) size = std::nextafter(size, std::numeric_limits<double>::max());
  return size;
}

std::string uvttFile(const Dungeon& dungeon, Audience audience, int pxPerGrid,
                     SceneLighting lighting) {
  return uvttFile(dungeon, pngBytes(dungeon.picture(audience), pxPerGrid), pxPerGrid, lighting);
}

std::string uvttFile(const Dungeon& dungeon, std::span<const std::uint8_t> png, int pxPerGrid,
                     SceneLighting lighting) {
  if (png.empty()) return "";
  const MapModel& model = dungeon.model();
  // Both audiences' pictures have the map's size.
  const Bitmap& map = dungeon.picture();
  // Only ordinary doors and archways open the wall; the format has no secret door.
  std::vector<MapDoor> openings;
  for (const MapDoor& door : liveDoors(model)) {
    if (door.kind == 'N' || door.kind == 'A') openings.push_back(door);
  }
  json walls = json::array();
  for (const WallPolyline& line : traceWalls(model, openings)) {
    json points = json::array();
    for (const MapPoint& p : line) points.push_back(squares(p));
    walls.push_back(std::move(points));
  }
  json portals = json::array();
  for (const MapDoor& door : openings) {
    if (door.kind == 'N') portals.push_back(portal(door));
  }
  std::string image = base64Encode(png);
  json document = {
      {"format", 0.3},
      {"resolution",
       {{"map_origin", {{"x", 0}, {"y", 0}}},
        // The picture's own size in squares, so the scene is the picture: 800 x 600 is 37.5
        // squares high, 37.48 at 25 pixels a square (937 pixels); a whole number would stretch
        // the image on import, and a size whose product falls short of the picture would cut a
        // row off.
        {"map_size", pictureSquares(map, pxPerGrid)},
        {"pixels_per_grid", pxPerGrid}}},
      {"line_of_sight", std::move(walls)},
      {"portals", std::move(portals)},
      {"environment", uvttEnvironment(lighting)},
      {"lights", json::array()},
  };
  document["image"] = std::move(image);
  return jsonText(document);
}

}  // namespace delvora
