#include "dressing/door_dressing.h"

#include <gtest/gtest.h>

#include "dressing_test_support.h"
#include "engine/dressing_records.h"

namespace delvora {
namespace {

using testing::RecordingCanvas;

struct Fixture {
  std::unique_ptr<MapModel> model = testing::emptyModel();
  Settings settings;
  RecordingCanvas canvas;
  StepContext ctx{*model, settings, canvas};
};

// The room every case dresses: left 96, top 160, right 192, bottom 224.
constexpr Rect kRoomRect{96, 160, 192, 224};

void dressRoom(Fixture& f, int room, const Rect& r = kRoomRect) {
  DoorDress(f.ctx, r.left, r.top, r.right, r.bottom, room);
}

TEST(DoorDressing, SideOfTheRoomWall) {
  const struct {
    const char* name;
    Rect tile;
    char orientation;
    char side;
  } cases[] = {
      {"left wall", {93, 176, 100, 190}, 'V', 'W'},
      {"right wall", {189, 176, 196, 190}, 'V', 'E'},
      {"top wall", {120, 157, 134, 164}, 'H', 'N'},
      {"bottom wall", {120, 221, 134, 228}, 'H', 'S'},
      {"top-left corner: N wins over W", {96, 160, 110, 167}, 'H', 'N'},
      {"bottom-right corner: S wins over E", {182, 217, 192, 224}, 'H', 'S'},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.model->lstDoors.insert(doorRecord(c.tile, c.orientation, 'N'));
    dressRoom(f, 7);
    ASSERT_EQ(f.model->lstDoorDress.size(), 1u) << c.name;
    const DoorDressingRecord door = parseDoorDressing(f.model->lstDoorDress[0]);
    EXPECT_EQ(door.room, 7) << c.name;
    EXPECT_EQ(door.side, c.side) << c.name;
    EXPECT_EQ(door.kind, 'N') << c.name;
    EXPECT_EQ(door.key, doorKey(c.tile)) << c.name;
  }
}

TEST(DoorDressing, DoorsOfOtherRoomsCostNoDraws) {
  Fixture f;
  f.model->lstDoors.insert(doorRecord({300, 176, 307, 190}, 'V', 'N'));
  f.model->lstDoors.insert(doorRecord({120, 100, 134, 107}, 'H', 'N'));
  f.model->random.setState(42);
  dressRoom(f, 1);
  EXPECT_TRUE(f.model->lstDoorDress.empty());
  EXPECT_EQ(f.model->random.state(), 42u);
}

int expectedMaterial(int d) {
  // Upper ends of the bands of materials 1..9.
  constexpr int kEnds[] = {10, 30, 45, 55, 65, 80, 90, 95, 99};
  for (int m = 0; m < 9; ++m)
    if (d <= kEnds[m]) return m + 1;
  return -1;
}

TEST(DoorDressing, ThreeDrawsGiveMaterialTrapAndLock) {
  const Rect tile{93, 176, 100, 190};
  for (const char kind : {'N', 'C', 'S', 'A'}) {
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
      Fixture f;
      f.model->lstDoors.insert(doorRecord(tile, 'V', kind));
      f.model->random.setState(seed);
      dressRoom(f, 3);
      RandomSource replay(seed);
      const int d = replay.Random(100);
      const int t = replay.Random(100);
      const int k = replay.Random(100);
      const int material = kind == 'A' ? 0 : expectedMaterial(d);
      const int lock = k <= 70 ? 0 : (k <= 94 ? 1 : 2);
      const std::string expected = std::string("0003W") + kind + std::to_string(material) +
                                   std::to_string(lock) + (t >= 90 ? "1" : "0") + doorKey(tile);
      ASSERT_EQ(f.model->lstDoorDress.size(), 1u);
      EXPECT_EQ(f.model->lstDoorDress[0], expected) << "kind " << kind << " seed " << seed;
      EXPECT_EQ(f.model->random.state(), replay.state());
    }
  }
}

TEST(DoorDressing, SharedDoorCopiesTheFirstRoomsDressing) {
  Fixture f;
  // Room 3 on the left, room 8 to its right, one door in the wall x = 192 they share.
  const Rect door{189, 176, 196, 190};
  f.model->lstDoors.insert(doorRecord(door, 'V', 'C'));
  f.model->random.setState(1234);
  dressRoom(f, 3);
  dressRoom(f, 8, {192, 160, 288, 224});
  RandomSource replay(1234);
  for (int i = 0; i < 6; ++i) replay.Random(100);
  EXPECT_EQ(f.model->random.state(), replay.state()) << "the second room draws too";
  ASSERT_EQ(f.model->lstDoorDress.size(), 2u);
  DoorDressingRecord first = parseDoorDressing(f.model->lstDoorDress[0]);
  DoorDressingRecord second = parseDoorDressing(f.model->lstDoorDress[1]);
  EXPECT_EQ(first.room, 3);
  EXPECT_EQ(first.side, 'E');
  EXPECT_EQ(second.room, 8);
  EXPECT_EQ(second.side, 'W');
  // The rest of the two records is the same.
  second.room = first.room;
  second.side = first.side;
  EXPECT_EQ(doorDressingRecord(first), doorDressingRecord(second));
}

TEST(DoorDressing, LastMatchingRecordWinsAndKeysMatchExactly) {
  Fixture f;
  const Rect door{93, 176, 100, 190};
  const std::string key = doorKey(door);
  f.model->lstDoorDress.insert("0001E" + std::string("N120") + key);
  f.model->lstDoorDress.insert("0002E" + std::string("S301") + key);
  // Same leading digits, longer key: not the same door.
  f.model->lstDoorDress.insert("0002N" + std::string("N911") + key + "0");
  f.model->lstDoors.insert(doorRecord(door, 'V', 'N'));
  dressRoom(f, 5);
  ASSERT_EQ(f.model->lstDoorDress.size(), 4u);
  EXPECT_EQ(f.model->lstDoorDress[3], "0005WS301" + key);
}

TEST(DoorDressing, RecordsStaySorted) {
  Fixture f;
  f.model->lstDoors.insert(doorRecord({93, 176, 100, 190}, 'V', 'N'));
  f.model->lstDoors.insert(doorRecord({120, 157, 134, 164}, 'H', 'N'));
  f.model->lstDoors.insert(doorRecord({189, 176, 196, 190}, 'V', 'N'));
  dressRoom(f, 2);
  ASSERT_EQ(f.model->lstDoorDress.size(), 3u);
  EXPECT_EQ(parseDoorDressing(f.model->lstDoorDress[0]).side, 'E');
  EXPECT_EQ(parseDoorDressing(f.model->lstDoorDress[1]).side, 'N');
  EXPECT_EQ(parseDoorDressing(f.model->lstDoorDress[2]).side, 'W');
}

TEST(DoorDescription, Words) {
  const struct {
    const char* record;
    const char* text;
  } cases[] = {
      {"0001WN7110010", "W Wall - Iron Door - Trapped - Locked "},
      {"0001NC0000010", "N Wall - Concealed Archway "},
      {"0001SA0210010", "S Wall - Archway - Trapped "},
      {"0001EN4200010", "E Wall - Cloth Curtain "},
      {"0001EN5100010", "E Wall - Leather Curtain "},
      {"0001ES6200010", "E Wall - Secret Stone Door - Stuck "},
      {"0001WN1000010", "W Wall - Rotten Wooden Door - Unlocked "},
      {"0001WN2300010", "W Wall - Wooden Door "},
      {"0001WN3100010", "W Wall - Reinforced Wooden Door - Locked "},
      {"0001WN8000010", "W Wall - Iron Portcullis - Unlocked "},
      {"0001WN9000010", "W Wall - Wooden Portcullis - Unlocked "},
      {"0001WNx100010", "W Wall - - Locked "},
      {"0001WN7", "W Wall - Iron Door "},
      {"0001", " Wall - "},
  };
  for (const auto& c : cases) EXPECT_EQ(doorDescription(c.record), c.text) << c.record;
}

}  // namespace
}  // namespace delvora
