// The player map: same run, no room numbers, concealed and secret doors drawn as plain wall.
#include "render/player_canvas.h"

#include <gtest/gtest.h>

#include "engine/model_dump.h"
#include "export_test_support.h"
#include "render/raster_canvas.h"

namespace delvora {
namespace {

// A room with a corridor below it sharing the line y = 224, as the builders draw them.
void drawRoomAndCorridor(Canvas& canvas) {
  canvas.reset(320, 320);
  canvas.rectangle(96, 160, 192, 224);
  canvas.rectangle(128, 224, 144, 288);
}

TEST(PlayerCanvas, HiddenDoorTileLeavesTheTwoOutlines) {
  for (const Tile tile : {Tile::HConDoor, Tile::HSecDoor}) {
    RasterCanvas master;
    RasterCanvas target;
    PlayerMapCanvas player(target);
    for (Canvas* canvas : {static_cast<Canvas*>(&master), static_cast<Canvas*>(&player)}) {
      drawRoomAndCorridor(*canvas);
      canvas->drawTile(tile, 129, 222);
      canvas->textOut(104, 168, "1");
    }
    RasterCanvas plain;
    drawRoomAndCorridor(plain);
    EXPECT_EQ(target.bitmap(), plain.bitmap()) << static_cast<int>(tile);
    EXPECT_NE(master.bitmap(), plain.bitmap());
    const Bitmap& map = target.bitmap();
    for (int x = 129; x < 143; ++x) {
      // Room floor, the room's bottom outline, the corridor's top outline, corridor floor.
      EXPECT_EQ(map.pixel(x, 222), colors::kWhite) << "x " << x;
      EXPECT_EQ(map.pixel(x, 223), colors::kBlack) << "x " << x;
      EXPECT_EQ(map.pixel(x, 224), colors::kBlack) << "x " << x;
      EXPECT_EQ(map.pixel(x, 225), colors::kWhite) << "x " << x;
    }
  }
}

TEST(PlayerCanvas, OrdinaryDoorsArchesAndStairsStay) {
  for (const Tile tile : {Tile::HDoor, Tile::VDoor, Tile::HArch, Tile::VArch, Tile::CloseUp,
                          Tile::StairsUp, Tile::Speckled}) {
    RasterCanvas master;
    RasterCanvas target;
    PlayerMapCanvas player(target);
    master.reset(64, 64);
    player.reset(64, 64);
    master.drawTile(tile, 10, 10);
    player.drawTile(tile, 10, 10);
    EXPECT_EQ(target.bitmap(), master.bitmap()) << static_cast<int>(tile);
  }
}

bool isDoorFill(Rgb c) {
  return c == colors::kGreen || c == colors::kBlue || c == Rgb{0, 192, 0} || c == Rgb{0, 0, 192};
}

bool inside(const Rect& r, int x, int y) {
  return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

// The same settings drawn both ways: equal lists and random state, no concealed or secret
// door colour on the player map, and pixels differing only in those doors' tiles and in rooms
// (their numbers).
TEST(PlayerCanvas, SameDungeonDrawnWithoutSecrets) {
  Settings settings;
  settings.iterations = 1000;
  settings.stairs = 4;
  settings.concealedPercent = 20;
  settings.secretPercent = 20;
  const std::vector<DeadEndMode> cleanUps{DeadEndMode::Some};
  const auto master = testing::makeDungeon(settings, {.deadEnds = cleanUps});
  const auto player = testing::makeDungeon(settings, {.playerMap = true, .deadEnds = cleanUps});
  const MapModel& a = master->model();
  const MapModel& b = player->model();
  EXPECT_EQ(toString(a), toString(b));
  EXPECT_EQ(a.lstErased, b.lstErased);

  std::vector<Rect> allowed;
  for (const std::string& record : a.lstDoors) {
    const DoorRecord door = parseDoor(record);
    if (door.kind == 'C' || door.kind == 'S') allowed.push_back(door.tile);
  }
  ASSERT_FALSE(allowed.empty());
  for (const std::string& record : a.lstWalls) {
    const Feature f = parseFeature(record);
    if (isRoom(f.type)) allowed.push_back(f.rect);
  }
  const Bitmap& gm = master->picture();
  const Bitmap& pm = player->picture();
  ASSERT_EQ(gm.width(), pm.width());
  int hiddenPixels = 0;
  for (int y = 0; y < pm.height(); ++y) {
    for (int x = 0; x < pm.width(); ++x) {
      EXPECT_FALSE(isDoorFill(pm.pixel(x, y))) << "door colour at " << x << "," << y;
      hiddenPixels += isDoorFill(gm.pixel(x, y)) ? 1 : 0;
      if (gm.pixel(x, y) == pm.pixel(x, y)) continue;
      bool expected = false;
      for (const Rect& r : allowed) expected = expected || inside(r, x, y);
      EXPECT_TRUE(expected) << "unexpected change at " << x << "," << y;
    }
  }
  EXPECT_GT(hiddenPixels, 0);
}

}  // namespace
}  // namespace delvora
