#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dressing/dressing_tables.h"
#include "dressing/report.h"
#include "engine/dressing_records.h"
#include "engine/map_model.h"

namespace delvora::testing {

// Room numbers, dressing records and report blocks all follow lstWalls order, every index
// addresses its table, and every door dressing record names a door of lstDoors.
inline void checkDressingRecords(const MapModel& model, const DressingTables& tables,
                                 const Settings& settings) {
  std::size_t room = 0;
  for (const std::string& record : model.lstWalls) {
    const Feature feature = parseFeature(record);
    if (!isRoom(feature.type)) continue;
    ASSERT_LT(room, model.lstFluff.size());
    const std::string& fluff = model.lstFluff[room];
    ++room;
    const RoomDressingRecord dressed = parseRoomDressing(fluff);
    ASSERT_EQ(roomDressingRecord(dressed), fluff) << "well-formed";
    EXPECT_EQ(dressed.room, static_cast<int>(room)) << fluff;
    EXPECT_EQ(dressed.rect, feature.rect) << fluff;
    const auto all = tables.all();
    for (std::size_t i = 0; i < all.size(); ++i) {
      const int index = dressed.indexes[i];
      EXPECT_LT(index, static_cast<int>(all[i]->entries.size()) - 1) << fluff;
      if (!settings.useInternalDressing && index != 0) {
        EXPECT_GT(index, all[i]->boundary);
      }
    }
  }
  EXPECT_EQ(room, model.lstFluff.size());
  for (const std::string& dress : model.lstDoorDress) {
    const DoorDressingRecord dressed = parseDoorDressing(dress);
    ASSERT_EQ(doorDressingRecord(dressed), dress) << "well-formed";
    EXPECT_NE(std::string("NESW").find(dressed.side), std::string::npos) << dress;
    bool known = false;
    for (const std::string& record : model.lstDoors) {
      const DoorRecord door = parseDoor(record);
      known |= doorKey(door.tile) == dressed.key && door.kind == dressed.kind;
    }
    EXPECT_TRUE(known) << dress;
  }
  const std::vector<std::string> report = buildDressingReport(model, tables, settings.title);
  ASSERT_EQ(report.size(), model.lstFluff.size() + 1);
  for (std::size_t i = 0; i < model.lstFluff.size(); ++i) {
    EXPECT_TRUE(report[i + 1].starts_with("Room " + roomLabel(static_cast<int>(i) + 1)));
  }
}

}  // namespace delvora::testing
