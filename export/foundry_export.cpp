#include "export/foundry_export.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "engine/dressing_records.h"
#include "export/json_file.h"
#include "export/scaled_png.h"
#include "export/wall_outline.h"

namespace delvora {

namespace {

using nlohmann::json;

constexpr int kNoDoor = 0;
constexpr int kDoor = 1;
constexpr int kSecretDoor = 2;
constexpr int kClosed = 0;
constexpr int kLocked = 2;

// Walls and doors go through the same rounding, so their ends meet in the image's pixels.
long imagePixels(int mapPixels, int pxPerGrid) {
  return std::lround(static_cast<double>(mapPixels) * pxPerGrid / kGridSize);
}

json wall(const MapPoint& a, const MapPoint& b, int pxPerGrid, int door, int state) {
  return {{"c",
           {imagePixels(a.x, pxPerGrid), imagePixels(a.y, pxPerGrid), imagePixels(b.x, pxPerGrid),
            imagePixels(b.y, pxPerGrid)}},
          {"door", door},
          {"ds", state}};
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
  for (const WallPolyline& line : traceWalls(model, doors)) {
    for (std::size_t i = 1; i < line.size(); ++i) {
      walls.push_back(wall(line[i - 1], line[i], pxPerGrid, kNoDoor, kClosed));
    }
  }
  for (const MapDoor& door : doors) {
    if (door.kind == 'A') continue;
    const int type = door.kind == 'N' ? kDoor : kSecretDoor;
    const int state = isLocked(model, door.tile) ? kLocked : kClosed;
    walls.push_back(wall(door.from, door.to, pxPerGrid, type, state));
  }
  return walls;
}

}  // namespace

std::string foundryImagePath(const std::string& scenePath) {
  std::filesystem::path image(scenePath);
  if (image.extension() == ".json") return image.replace_extension(".png").string();
  return scenePath + ".png";
}

std::string writeFoundryScene(const MapModel& model, const Bitmap& map, int pxPerGrid,
                              const std::string& title, const std::string& path) {
  const std::string imagePath = foundryImagePath(path);
  const std::string imageName = std::filesystem::path(imagePath).filename().string();
  const std::string imageError = writeScaledPng(map, pxPerGrid, imagePath);
  const json scene = {
      {"name", title.empty() ? std::string("Delvora dungeon") : title},
      {"width", scaledLength(map.width(), pxPerGrid)},
      {"height", scaledLength(map.height(), pxPerGrid)},
      {"padding", 0},
      {"grid", {{"size", pxPerGrid}, {"type", 1}}},
      {"img", imageName},
      {"background", {{"src", imageName}}},
      {"walls", sceneWalls(model, pxPerGrid)},
  };
  const std::string sceneError = writeJsonFile(scene, path);
  if (!imageError.empty() && !sceneError.empty()) return imageError + "\n" + sceneError;
  return imageError.empty() ? sceneError : imageError;
}

}  // namespace delvora
