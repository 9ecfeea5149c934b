// The Foundry VTT scene: door walls with their kind and lock, scaled pixels, the image beside.
#include "export/foundry_export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <nlohmann/json.hpp>

#include "engine/dressing_records.h"
#include "export_test_support.h"

namespace delvora {
namespace {

using nlohmann::json;

json exportScene(const testing::GeneratedDungeon& dungeon, int pxPerGrid,
                 const testing::ScratchDir& dir) {
  const std::string path = dir.file("scene.json");
  EXPECT_EQ(writeFoundryScene(*dungeon.model, dungeon.bitmap(), pxPerGrid, "The Vault", path), "");
  return json::parse(testing::readBytes(path));
}

// The lock of the door's dressing record (0 unlocked, 1 locked, 2 stuck), or 0 without one.
int lockOf(const MapModel& model, const Rect& tile) {
  for (const std::string& record : model.lstDoorDress) {
    const DoorDressingRecord door = parseDoorDressing(record);
    if (door.key == doorKey(tile)) return door.lock;
  }
  return 0;
}

TEST(FoundryExport, NamesItsImageWrittenBesideIt) {
  EXPECT_EQ(foundryImagePath("out/scene.json"), "out/scene.png");
  EXPECT_EQ(foundryImagePath("scene"), "scene.png");
  const auto dungeon = testing::makeDungeon(Settings{});
  const testing::ScratchDir dir;
  const json scene = exportScene(*dungeon, 50, dir);
  EXPECT_EQ(scene.at("name"), "The Vault");
  EXPECT_EQ(scene.at("width"), 2500);
  EXPECT_EQ(scene.at("height"), 1875);
  EXPECT_EQ(scene.at("padding"), 0);
  EXPECT_EQ(scene.at("grid").at("size"), 50);
  EXPECT_EQ(scene.at("background").at("src"), "scene.png");
  EXPECT_EQ(testing::pngSize(testing::readBytes(dir.file("scene.png"))), (std::pair{2500, 1875}));
}

// One door wall per live door other than an archway, across its opening, with door 1 for an
// ordinary door, 2 for a concealed or secret one, and ds 2 when its dressing is locked or stuck.
TEST(FoundryExport, DoorWallsCarryKindAndLock) {
  for (const bool dressed : {true, false}) {
    Settings settings;
    settings.iterations = 1000;
    settings.dressing = dressed;
    const auto dungeon = testing::makeDungeon(settings, {.deadEnds = {DeadEndMode::Some}});
    const testing::ScratchDir dir;
    const json scene = exportScene(*dungeon, 16, dir);
    std::map<std::vector<long>, json> doorWalls;
    for (const json& wall : scene.at("walls")) {
      if (wall.at("door") != 0) {
        EXPECT_TRUE(doorWalls.emplace(wall.at("c").get<std::vector<long>>(), wall).second);
      }
    }
    std::size_t expected = 0;
    int locked = 0;
    for (const MapDoor& door : liveDoors(*dungeon->model)) {
      if (door.kind == 'A') continue;
      ++expected;
      const std::vector<long> c{door.from.x, door.from.y, door.to.x, door.to.y};
      ASSERT_TRUE(doorWalls.contains(c)) << "door at " << door.tile.left << "," << door.tile.top;
      const json& wall = doorWalls.at(c);
      EXPECT_EQ(wall.at("door"), door.kind == 'N' ? 1 : 2) << door.kind;
      const int lock = lockOf(*dungeon->model, door.tile);
      EXPECT_EQ(wall.at("ds"), lock == 1 || lock == 2 ? 2 : 0) << "lock " << lock;
      locked += wall.at("ds") == 2 ? 1 : 0;
    }
    EXPECT_EQ(doorWalls.size(), expected);
    EXPECT_EQ(locked > 0, dressed) << "undressed doors are closed and unlocked";
  }
}

TEST(FoundryExport, CoordinatesScaleWithPixelsPerGrid) {
  const auto dungeon = testing::makeDungeon(Settings{});
  const testing::ScratchDir dir;
  const json at16 = exportScene(*dungeon, 16, dir);
  const json at70 = exportScene(*dungeon, 70, dir);
  ASSERT_EQ(at16.at("walls").size(), at70.at("walls").size());
  for (std::size_t i = 0; i < at16.at("walls").size(); ++i) {
    const std::vector<long> a = at16.at("walls")[i].at("c");
    const std::vector<long> b = at70.at("walls")[i].at("c");
    for (std::size_t k = 0; k < 4; ++k) {
      EXPECT_EQ(b[k], std::lround(a[k] * 70 / 16.0)) << "wall " << i;
    }
  }
}

}  // namespace
}  // namespace delvora
