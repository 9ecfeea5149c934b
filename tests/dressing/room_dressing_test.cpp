#include "dressing/room_dressing.h"

#include <gtest/gtest.h>

#include "dressing_test_support.h"
#include "engine/dressing_records.h"

namespace delvora {
namespace {

using testing::RecordingCanvas;

// The room most cases dress: left 96, top 16, right 192, bottom 80.
constexpr Rect kRoomRect{96, 16, 192, 80};

// Tables of known sizes without touching the file system: count entries, the first `builtIn`
// of them built in.
DressingTable table(int count, int builtIn) {
  DressingTable t;
  for (int i = 0; i < count; ++i) t.entries.push_back(testing::numbered("e", i));
  t.boundary = builtIn - 1;
  return t;
}

DressingTables builtInSizedTables() {
  return {table(36, 36), table(34, 34), table(30, 30), table(52, 52),
          table(52, 52), table(56, 56), table(88, 88)};
}

struct Fixture {
  std::unique_ptr<MapModel> model = testing::emptyModel();
  Settings settings;
  RecordingCanvas canvas;
  StepContext ctx{*model, settings, canvas};
  DressingTables tables = builtInSizedTables();
};

// The six picks of one room replayed from the draws as they should be made.
std::string replayPicks(RandomSource& replay, const DressingTables& tables, const Settings& s) {
  std::string picks;
  for (const DressingTable* t : tables.all()) {
    int index = 0;
    const int count = static_cast<int>(t->entries.size());
    if (replay.Random(6) + 1 <= s.dressRoll) {
      if (s.useInternalDressing) {
        index = replay.Random(count - 1);
      } else if (count > t->boundary + 1) {
        index = replay.Random(count - t->boundary - 1) + t->boundary + 1;
      }
    }
    picks += pad4(index);
  }
  return picks;
}

TEST(RoomDressing, NumbersRoomsLeftToRightThenTopToBottom) {
  Fixture f;
  f.settings.dressing = false;
  UpdateBitMap(f.ctx, 320, 32, 400, 96, FeatureType::Room);
  UpdateBitMap(f.ctx, 96, 160, 192, 224, FeatureType::RoundRoom);
  UpdateBitMap(f.ctx, 96, 16, 192, 80, FeatureType::Room);
  UpdateBitMap(f.ctx, 192, 176, 320, 192, FeatureType::HorizontalCorridor);
  f.model->random.setState(99);
  f.model->lstFluff.push_back("stale");
  NumberRooms(f.ctx, f.tables);
  ASSERT_EQ(f.canvas.texts.size(), 3u);
  const std::array<std::tuple<int, int, const char*>, 3> expected = {
      {{104, 24, "1"}, {104, 168, "2"}, {328, 40, "3"}}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& [x, y, text] = expected[i];
    EXPECT_EQ(f.canvas.texts[i].x, x) << i;
    EXPECT_EQ(f.canvas.texts[i].y, y) << i;
    EXPECT_EQ(f.canvas.texts[i].text, text) << i;
    EXPECT_EQ(f.canvas.texts[i].color, colors::kRed) << i;
  }
  EXPECT_TRUE(f.model->lstFluff.empty());
  EXPECT_EQ(f.model->random.state(), 99u) << "no draws without dressing";
}

TEST(RoomDressing, ProcessesMessagesOnce) {
  Fixture f;
  UpdateBitMap(f.ctx, 96, 16, 192, 80, FeatureType::Room);
  int calls = 0;
  NumberRooms(f.ctx, f.tables, [&] { ++calls; });
  EXPECT_EQ(calls, 1);
}

TEST(RoomDressing, RecordLayout) {
  Fixture f;
  f.settings.dressRoll = 6;
  const Rect rect{96, 160, 192, 224};
  const struct {
    int room;
    const char* prefix;
  } cases[] = {{7, "7   "}, {12, "12  "}, {1000, "1000"}};
  for (const auto& c : cases) {
    RandomSource replay(f.model->random.state());
    const std::string record = roomRecord(f.ctx, f.tables, c.room, rect);
    EXPECT_EQ(record, c.prefix + std::string("0096016001920224") +
                          replayPicks(replay, f.tables, f.settings))
        << "room " << c.room;
    EXPECT_EQ(record.size(), 44u);
  }
}

TEST(RoomDressing, DrawsMatchReplayForThresholdsAndModes) {
  const struct {
    int dressRoll;
    bool internal;
    int extraDescriptions;
  } cases[] = {{1, true, 0},  {6, true, 0},  {3, true, 5},
               {6, false, 0}, {1, false, 3}, {6, false, 3}};
  for (const auto& c : cases) {
    for (const std::uint32_t seed : {1u, 66205318u, 31337u}) {
      Fixture f;
      f.settings.dressRoll = c.dressRoll;
      f.settings.useInternalDressing = c.internal;
      f.tables.FluffDesc = table(36 + c.extraDescriptions, 36);
      UpdateBitMap(f.ctx, 96, 16, 192, 80, FeatureType::Room);
      UpdateBitMap(f.ctx, 96, 160, 192, 224, FeatureType::Room);
      UpdateBitMap(f.ctx, 192, 32, 320, 48, FeatureType::HorizontalCorridor);
      f.model->random.setState(seed);
      NumberRooms(f.ctx, f.tables);
      RandomSource replay(seed);
      ASSERT_EQ(f.model->lstFluff.size(), 2u);
      EXPECT_EQ(f.model->lstFluff[0],
                "1   0096001601920080" + replayPicks(replay, f.tables, f.settings))
          << "roll " << c.dressRoll << " internal " << c.internal << " seed " << seed;
      EXPECT_EQ(f.model->lstFluff[1],
                "2   0096016001920224" + replayPicks(replay, f.tables, f.settings))
          << "roll " << c.dressRoll << " internal " << c.internal << " seed " << seed;
      EXPECT_EQ(f.model->random.state(), replay.state()) << "draw count, seed " << seed;
    }
  }
}

TEST(RoomDressing, FileOnlyWithoutFileEntriesMakesSixDrawsAndPicksNothing) {
  Fixture f;
  f.settings.dressRoll = 6;
  f.settings.useInternalDressing = false;
  UpdateBitMap(f.ctx, 96, 16, 192, 80, FeatureType::Room);
  f.model->random.setState(4);
  NumberRooms(f.ctx, f.tables);
  ASSERT_EQ(f.model->lstFluff.size(), 1u);
  EXPECT_EQ(parseRoomDressing(f.model->lstFluff[0]).indexes, (std::array<int, 6>{}));
  RandomSource replay(4);
  for (int i = 0; i < 6; ++i) replay.Random(6);
  EXPECT_EQ(f.model->random.state(), replay.state());
}

TEST(RoomDressing, FileOnlyPicksOnlyFileEntries) {
  Fixture f;
  f.settings.dressRoll = 6;
  f.settings.useInternalDressing = false;
  f.tables.FluffDesc = table(39, 36);
  for (int i = 0; i < 200; ++i) {
    const int index = parseRoomDressing(roomRecord(f.ctx, f.tables, 1, kRoomRect)).indexes[0];
    EXPECT_GE(index, 36);
    EXPECT_LE(index, 38);
  }
}

TEST(RoomDressing, InternalPickNeverReachesLastEntry) {
  Fixture f;
  f.settings.dressRoll = 6;
  int highest = 0;
  for (int i = 0; i < 2000; ++i) {
    const int index = parseRoomDressing(roomRecord(f.ctx, f.tables, 1, kRoomRect)).indexes[0];
    highest = std::max(highest, index);
  }
  EXPECT_EQ(highest, 34);
}

TEST(RoomDressing, DuplicateFeatureGetsTwoNumbers) {
  Fixture f;
  UpdateBitMap(f.ctx, 96, 16, 192, 80, FeatureType::Room);
  UpdateBitMap(f.ctx, 96, 16, 192, 80, FeatureType::Room);
  NumberRooms(f.ctx, f.tables);
  ASSERT_EQ(f.canvas.texts.size(), 2u);
  EXPECT_EQ(f.canvas.texts[1].text, "2");
  EXPECT_EQ(f.canvas.texts[1].x, f.canvas.texts[0].x);
  ASSERT_EQ(f.model->lstFluff.size(), 2u);
  EXPECT_EQ(parseRoomDressing(f.model->lstFluff[1]).room, 2);
}

TEST(RoomDressing, DoorsAreDressedRightAfterTheirRoom) {
  Fixture f;
  f.settings.dressRoll = 6;
  UpdateBitMap(f.ctx, 96, 16, 192, 80, FeatureType::Room);
  UpdateBitMap(f.ctx, 96, 160, 192, 224, FeatureType::Room);
  // One door on the right wall of room 1 and one on the top wall of room 2.
  f.model->lstDoors.insert(doorRecord({189, 40, 196, 54}, 'V', 'N'));
  f.model->lstDoors.insert(doorRecord({120, 157, 134, 164}, 'H', 'N'));
  f.model->random.setState(8);
  NumberRooms(f.ctx, f.tables);
  RandomSource replay(8);
  replayPicks(replay, f.tables, f.settings);
  for (int i = 0; i < 3; ++i) replay.Random(100);
  const std::string room2 = "2   0096016001920224" + replayPicks(replay, f.tables, f.settings);
  ASSERT_EQ(f.model->lstFluff.size(), 2u);
  EXPECT_EQ(f.model->lstFluff[1], room2);
  for (int i = 0; i < 3; ++i) replay.Random(100);
  EXPECT_EQ(f.model->random.state(), replay.state());
  ASSERT_EQ(f.model->lstDoorDress.size(), 2u);
  const DoorDressingRecord first = parseDoorDressing(f.model->lstDoorDress[0]);
  const DoorDressingRecord second = parseDoorDressing(f.model->lstDoorDress[1]);
  EXPECT_EQ(first.room, 1);
  EXPECT_EQ(first.side, 'E');
  EXPECT_EQ(second.room, 2);
  EXPECT_EQ(second.side, 'N');
}

}  // namespace
}  // namespace delvora
