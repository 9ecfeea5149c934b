#include "engine/dressing_records.h"

#include <gtest/gtest.h>

namespace delvora {
namespace {

TEST(RoomDressingRecord, LayoutAndRoundTrip) {
  const struct {
    int room;
    const char* record;
  } cases[] = {
      {7, "7   0096016001920224000100000035999900000051"},
      {1000, "10000096016001920224000100000035999900000051"},
  };
  for (const auto& c : cases) {
    const RoomDressingRecord room{c.room, {96, 160, 192, 224}, {1, 0, 35, 9999, 0, 51}};
    EXPECT_EQ(roomDressingRecord(room), c.record) << c.room;
    const RoomDressingRecord back = parseRoomDressing(c.record);
    EXPECT_EQ(back.room, c.room);
    EXPECT_EQ(back.indexes, room.indexes) << c.room;
    EXPECT_EQ(roomDressingRecord(back), c.record);
  }
}

TEST(RoomDressingRecord, ShortOrDamagedRecordsReadAsZeroes) {
  const RoomDressingRecord empty = parseRoomDressing("");
  EXPECT_EQ(empty.room, 0);
  EXPECT_EQ(empty.rect, Rect{});
  EXPECT_EQ(empty.indexes, (std::array<int, 6>{}));
  const RoomDressingRecord cut = parseRoomDressing("3   009601600192022400070");
  EXPECT_EQ(cut.room, 3);
  EXPECT_EQ(cut.rect, (Rect{96, 160, 192, 224}));
  EXPECT_EQ(cut.indexes, (std::array<int, 6>{7, 0, 0, 0, 0, 0}));
  const RoomDressingRecord garbled = parseRoomDressing("x   0096016001920224000a0002");
  EXPECT_EQ(garbled.room, 0);
  EXPECT_EQ(garbled.indexes, (std::array<int, 6>{0, 2, 0, 0, 0, 0}));
}

TEST(DoorDressingRecord, LayoutAndRoundTrip) {
  const std::string key = doorKey({189, 176, 196, 190});
  const DoorDressingRecord door{7, 'W', 'C', 9, 2, true, key};
  const std::string record = doorDressingRecord(door);
  EXPECT_EQ(record, "0007WC921" + key);
  const DoorDressingRecord back = parseDoorDressing(record);
  EXPECT_EQ(doorDressingRecord(back), record);
  EXPECT_EQ(back.material, 9);
  EXPECT_EQ(back.lock, 2);
  EXPECT_TRUE(back.trapped);
  EXPECT_EQ(back.key, key);
}

TEST(DoorDressingRecord, ShortOrDamagedRecordsReadSafely) {
  const DoorDressingRecord empty = parseDoorDressing("");
  EXPECT_EQ(empty.side, '\0');
  EXPECT_EQ(empty.material, -1);
  EXPECT_FALSE(empty.trapped);
  EXPECT_TRUE(empty.key.empty());
  const DoorDressingRecord cut = parseDoorDressing("0003EN7");
  EXPECT_EQ(cut.material, 7);
  EXPECT_EQ(cut.lock, -1);
  const DoorDressingRecord garbled = parseDoorDressing("0003ENx?2123");
  EXPECT_EQ(garbled.material, -1);
  EXPECT_EQ(garbled.lock, -1);
  EXPECT_FALSE(garbled.trapped) << "only '1' means trapped";
  EXPECT_EQ(garbled.key, "123");
}

}  // namespace
}  // namespace delvora
