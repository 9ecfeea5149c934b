#include "export/foundry_export.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "engine/dressing_records.h"
#include "export/foundry_regions.h"
#include "export/json_file.h"
#include "export/wall_outline.h"
#include "render/png_writer.h"
#include "render/scaled_rows.h"

namespace delvora {

namespace {

using nlohmann::json;

// The values of the scene document's enumerations that the export uses.
constexpr int kSquareGrid = 1;
constexpr int kNoDoor = 0;
constexpr int kDoor = 1;
constexpr int kSecretDoor = 2;
constexpr int kClosed = 0;
constexpr int kLocked = 2;
constexpr int kSenseNone = 0;
constexpr int kSenseNormal = 20;
constexpr int kMoveNormal = 20;

// A map square is 5 feet, as most tabletop rules measure it.
constexpr int kFeetPerSquare = 5;

// Walls and doors go through the same rounding, so their ends meet in the image's pixels.
long imagePixels(int mapPixels, int pxPerGrid) {
  return std::lround(static_cast<double>(mapPixels) * pxPerGrid / kGridSize);
}

struct WallKind {
  int door = kNoDoor;
  int state = kClosed;
  // Sight, light and sound pass (the chasm), or not.
  bool blocksSenses = true;
};

json wall(const MapPoint& a, const MapPoint& b, int pxPerGrid, const WallKind& kind) {
  const int senses = kind.blocksSenses ? kSenseNormal : kSenseNone;
  return {{"c",
           {imagePixels(a.x, pxPerGrid), imagePixels(a.y, pxPerGrid), imagePixels(b.x, pxPerGrid),
            imagePixels(b.y, pxPerGrid)}},
          {"move", kMoveNormal},
          {"sight", senses},
          {"light", senses},
          {"sound", senses},
          {"door", kind.door},
          {"ds", kind.state}};
}

void addLines(const std::vector<WallPolyline>& lines, int pxPerGrid, const WallKind& kind,
              json& walls) {
  for (const WallPolyline& line : lines) {
    for (std::size_t i = 1; i < line.size(); ++i) {
      walls.push_back(wall(line[i - 1], line[i], pxPerGrid, kind));
    }
  }
}

// Locked or stuck in the door's first dressing record; undressed doors are closed and unlocked.
bool isLocked(const MapModel& model, const Rect& tile) {
  const std::string key = doorKey(tile);
  for (const std::string& record : model.lstDoorDress) {
    const DoorDressingRecord door = parseDoorDressing(record);
    if (door.key == key) return door.lock == 1 || door.lock == 2;
  }
  return false;
}

json sceneWalls(const MapModel& model, int pxPerGrid) {
  const std::vector<MapDoor> doors = liveDoors(model);
  json walls = json::array();
  addLines(traceWalls(model, doors), pxPerGrid, {}, walls);
  for (const MapDoor& door : doors) {
    if (door.kind == 'A') continue;
    const int type = door.kind == 'N' ? kDoor : kSecretDoor;
    const int state = isLocked(model, door.tile) ? kLocked : kClosed;
    walls.push_back(wall(door.from, door.to, pxPerGrid, {type, state, true}));
  }
  addLines(traceChasm(model, doors), pxPerGrid, {kNoDoor, kClosed, false}, walls);
  return walls;
}

}  // namespace

std::string foundryBackgroundSource(const std::string& scenePath) {
  return "delvora/" + std::filesystem::path(foundryImagePath(scenePath)).filename().string();
}

std::string foundrySceneFile(const Dungeon& dungeon, Audience audience, const FoundryScene& scene) {
  const Bitmap& map = dungeon.picture(audience);
  const int px = scene.pxPerGrid;
  json document = {
      {"name", scene.title.empty() ? std::string("Delvora dungeon") : scene.title},
      {"width", scaledLength(map.width(), px)},
      {"height", scaledLength(map.height(), px)},
      {"padding", 0},
      {"grid",
       {{"size", px}, {"type", kSquareGrid}, {"distance", kFeetPerSquare}, {"units", "ft"}}},
      {"background", {{"src", scene.backgroundSource}}},
      {"walls", sceneWalls(dungeon.model(), px)},
      {"regions", roomRegions(dungeon.model(), px)},
  };
  document.update(foundryLighting(scene.lighting));
  return jsonText(document);
}

FoundryFiles foundryFiles(const Dungeon& dungeon, Audience audience, const FoundryScene& scene) {
  return {foundrySceneFile(dungeon, audience, scene),
          pngBytes(dungeon.picture(audience), scene.pxPerGrid)};
}

}  // namespace delvora
