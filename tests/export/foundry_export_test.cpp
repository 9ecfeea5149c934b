// The Foundry VTT scene: door walls with their kind and lock, scaled pixels, the image beside.
#include "export/foundry_export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "engine/dressing_records.h"
#include "export_test_support.h"

namespace delvora {
namespace {

using nlohmann::json;

// The scene of the dungeon; image, when given, receives the scene's picture.
json exportScene(const Dungeon& dungeon, int pxPerGrid,
                 const std::string& backgroundSource = "delvora/scene.png",
                 std::string* image = nullptr) {
  const FoundryScene scene{"The Vault", pxPerGrid, backgroundSource};
  const FoundryFiles files = foundryFiles(dungeon, Audience::GameMaster, scene);
  EXPECT_FALSE(files.image.empty());
  if (image != nullptr) *image = std::string(files.image.begin(), files.image.end());
  return json::parse(files.scene);
}

std::set<std::string> keysOf(const json& object) {
  std::set<std::string> keys;
  for (const auto& item : object.items()) keys.insert(item.key());
  return keys;
}

// The lock of the door's dressing record (0 unlocked, 1 locked, 2 stuck), or 0 without one.
int lockOf(const MapModel& model, const Rect& tile) {
  for (const std::string& record : model.lstDoorDress) {
    const DoorDressingRecord door = parseDoorDressing(record);
    if (door.key == doorKey(tile)) return door.lock;
  }
  return 0;
}

// The fields of a scene of Foundry v12 and later, and nothing of the layout before v10 ("img").
TEST(FoundryExport, WritesTheSceneFieldsOfCurrentFoundry) {
  EXPECT_EQ(foundryImagePath("out/scene.json"), "out/scene.png");
  EXPECT_EQ(foundryImagePath("scene"), "scene.png");
  EXPECT_EQ(foundryBackgroundSource("out/vault.json"), "delvora/vault.png");
  const auto dungeon = testing::makeDungeon(Settings{});
  std::string image;
  const json scene = exportScene(*dungeon, 50, "delvora/scene.png", &image);
  EXPECT_EQ(keysOf(scene),
            (std::set<std::string>{"name", "width", "height", "padding", "grid", "background",
                                   "walls", "regions", "tokenVision", "environment"}));
  EXPECT_EQ(scene.at("name"), "The Vault");
  EXPECT_EQ(scene.at("width"), 2500);
  EXPECT_EQ(scene.at("height"), 1875);
  EXPECT_EQ(scene.at("padding"), 0);
  EXPECT_EQ(scene.at("grid"), (json{{"size", 50}, {"type", 1}, {"distance", 5}, {"units", "ft"}}));
  EXPECT_EQ(scene.at("background"), (json{{"src", "delvora/scene.png"}}));
  for (const json& wall : scene.at("walls")) {
    ASSERT_EQ(keysOf(wall),
              (std::set<std::string>{"c", "move", "sight", "light", "sound", "door", "ds"}));
  }
  EXPECT_EQ(testing::pngSize(image), (std::pair{2500, 1875}));

  const json elsewhere = exportScene(*dungeon, 50, "maps/keep.png");
  EXPECT_EQ(elsewhere.at("background").at("src"), "maps/keep.png");
}

// An odd scale does not divide the map evenly: the scene is the picture's size all the same.
TEST(FoundryExport, SceneIsThePicturesSize) {
  const auto dungeon = testing::makeDungeon(Settings{});
  std::string image;
  const json scene = exportScene(*dungeon, 25, "delvora/scene.png", &image);
  EXPECT_EQ(testing::pngSize(image), (std::pair{1250, 937}));
  EXPECT_EQ(scene.at("width"), 1250);
  EXPECT_EQ(scene.at("height"), 937);
}

// Walls block everything; the chasm's outline only blocks movement, and it runs across floor
// where the chasm is drawn.
TEST(FoundryExport, ChasmWallsBlockOnlyMovement) {
  for (const bool chasm : {false, true}) {
    Settings settings;
    settings.iterations = 1000;
    settings.chasm = chasm;
    settings.river = true;
    const auto dungeon = testing::makeDungeon(settings);
    const json scene = exportScene(*dungeon, 16);
    int chasmWalls = 0;
    for (const json& wall : scene.at("walls")) {
      EXPECT_EQ(wall.at("move"), 20);
      if (wall.at("sight") == 20) {
        EXPECT_EQ(wall.at("light"), 20);
        EXPECT_EQ(wall.at("sound"), 20);
        continue;
      }
      ++chasmWalls;
      EXPECT_EQ(wall.at("sight"), 0);
      EXPECT_EQ(wall.at("light"), 0);
      EXPECT_EQ(wall.at("sound"), 0);
      EXPECT_EQ(wall.at("door"), 0);
      const std::vector<long> c = wall.at("c");
      const int x = static_cast<int>((c[0] + c[2]) / 2);
      const int y = static_cast<int>((c[1] + c[3]) / 2);
      bool chasmNear = false;
      bool floorNear = false;
      for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
          const Bitmap& map = dungeon->picture();
          if (!map.contains(x + dx, y + dy)) continue;
          const Rgb pixel = map.pixel(x + dx, y + dy);
          chasmNear = chasmNear || pixel == colors::kBlack;
          floorNear = floorNear || pixel == colors::kWhite || pixel == colors::kSilver;
        }
      }
      EXPECT_TRUE(chasmNear && floorNear) << "chasm wall at " << x << "," << y;
    }
    EXPECT_EQ(chasmWalls > 0, chasm);
  }
}

// One door wall per live door other than an archway, across its opening, with door 1 for an
// ordinary door, 2 for a concealed or secret one, and ds 2 when its dressing is locked or stuck.
TEST(FoundryExport, DoorWallsCarryKindAndLock) {
  for (const bool dressed : {true, false}) {
    Settings settings;
    settings.iterations = 1000;
    settings.dressing = dressed;
    const auto dungeon = testing::makeDungeon(settings, {.deadEnds = {DeadEndMode::Some}});
    const json scene = exportScene(*dungeon, 16);
    std::map<std::vector<long>, json> doorWalls;
    for (const json& wall : scene.at("walls")) {
      if (wall.at("door") != 0) {
        EXPECT_TRUE(doorWalls.emplace(wall.at("c").get<std::vector<long>>(), wall).second);
      }
    }
    std::size_t expected = 0;
    int locked = 0;
    for (const MapDoor& door : liveDoors(dungeon->model())) {
      if (door.kind == 'A') continue;
      ++expected;
      const std::vector<long> c{door.from.x, door.from.y, door.to.x, door.to.y};
      ASSERT_TRUE(doorWalls.contains(c)) << "door at " << door.tile.left << "," << door.tile.top;
      const json& wall = doorWalls.at(c);
      EXPECT_EQ(wall.at("door"), door.kind == 'N' ? 1 : 2) << door.kind;
      const int lock = lockOf(dungeon->model(), door.tile);
      EXPECT_EQ(wall.at("ds"), lock == 1 || lock == 2 ? 2 : 0) << "lock " << lock;
      locked += wall.at("ds") == 2 ? 1 : 0;
    }
    EXPECT_EQ(doorWalls.size(), expected);
    EXPECT_EQ(locked > 0, dressed) << "undressed doors are closed and unlocked";
  }
}

TEST(FoundryExport, CoordinatesScaleWithPixelsPerGrid) {
  const auto dungeon = testing::makeDungeon(Settings{});
  const json at16 = exportScene(*dungeon, 16);
  const json at70 = exportScene(*dungeon, 70);
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
