#include <gtest/gtest.h>

#include <memory>

#include "dressing/generate.h"
#include "dressing/report.h"
#include "dressing_test_support.h"
#include "engine/dead_ends.h"

namespace delvora {
namespace {

using testing::RecordingCanvas;

// Room numbers, dressing records and report blocks all follow lstWalls order, and every door
// dressing record names a door of lstDoors from a room that has it in a wall.
void checkDressing(const MapModel& model, const DressingTables& tables, const Settings& settings) {
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

TEST(DungeonSweep, DressingMatchesTheRoomsAcrossSeeds) {
  const CorridorStyle styles[] = {CorridorStyle::Straight, CorridorStyle::Twisty,
                                  CorridorStyle::VeryTwisty};
  for (std::uint32_t n = 0; n < 200; ++n) {
    Settings settings;
    settings.seed = 1000003u * n + 17u;
    settings.mapSizeIndex = static_cast<int>(n % 4);
    settings.roomSize = static_cast<RoomSize>(n % 4);
    settings.corridorStyle = styles[n % 3];
    settings.iterations = 100 + static_cast<int>(n % 5) * 400;
    settings.dressRoll = 1 + static_cast<int>(n % 6);
    settings.useInternalDressing = n % 9 != 0;
    settings.stairs = static_cast<int>(n % 4);
    settings.dressingDir = "/nonexistent-delvora-dir";
    auto model = std::make_unique<MapModel>();
    DressingTables tables;
    RecordingCanvas canvas;
    const GenerateResult result = generateDungeon(*model, settings, tables, canvas);
    ASSERT_TRUE(result.generated) << result.load.error;
    SCOPED_TRACE(::testing::Message() << "case " << n);
    checkDressing(*model, tables, settings);
    ASSERT_EQ(canvas.texts.size(), model->lstFluff.size());

    // Clean-ups only ever take dressing away, one removed door at a time.
    const std::size_t doorDress = model->lstDoorDress.size();
    StepContext ctx{*model, settings, canvas};
    CleanDeadEnds(ctx, DeadEndMode::Some);
    CleanDeadEnds(ctx, DeadEndMode::AFew);
    EXPECT_LE(model->lstDoorDress.size(), doorDress);
    checkDressing(*model, tables, settings);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace delvora
