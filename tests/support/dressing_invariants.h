#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dressing/dressing_tables.h"
#include "dressing/report.h"
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
    ASSERT_EQ(fluff.size(), 44u) << fluff;
    EXPECT_EQ(fieldValue(recordField(fluff, 1, 4)), static_cast<int>(room)) << fluff;
    EXPECT_EQ(fluff.substr(4, 16), record.substr(0, 16));
    const auto all = tables.all();
    for (std::size_t i = 0; i < all.size(); ++i) {
      const int index = fieldValue(recordField(fluff, 21 + 4 * i, 4));
      EXPECT_LT(index, static_cast<int>(all[i]->entries.size()) - 1) << fluff;
      if (!settings.useInternalDressing && index != 0) {
        EXPECT_GT(index, all[i]->boundary);
      }
    }
  }
  EXPECT_EQ(room, model.lstFluff.size());
  for (const std::string& dress : model.lstDoorDress) {
    ASSERT_GE(dress.size(), 13u) << dress;
    EXPECT_NE(std::string("NESW").find(dress[4]), std::string::npos) << dress;
    bool known = false;
    for (const std::string& door : model.lstDoors) {
      known |= doorKey(parseDoorRect(door)) == dress.substr(9) && door[17] == dress[5];
    }
    EXPECT_TRUE(known) << dress;
  }
  const std::vector<std::string> report = buildDressingReport(model, tables, settings.title);
  ASSERT_EQ(report.size(), model.lstFluff.size() + 1);
  for (std::size_t i = 0; i < model.lstFluff.size(); ++i) {
    EXPECT_EQ(report[i + 1].substr(0, 9), "Room " + model.lstFluff[i].substr(0, 4));
  }
}

}  // namespace delvora::testing
