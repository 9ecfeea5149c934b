#include "dressing/generate.h"

#include <gtest/gtest.h>

#include "dressing_test_support.h"
#include "engine/dressing_records.h"

namespace delvora {
namespace {

using testing::RecordingCanvas;
using testing::TempDir;

struct Generation {
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  DressingTables tables;
  RecordingCanvas canvas;
  GenerateResult result;
};

std::unique_ptr<Generation> generate(const Settings& settings, const RunHooks& hooks = {}) {
  auto g = std::make_unique<Generation>();
  g->result = generateDungeon(*g->model, settings, g->tables, g->canvas, hooks);
  return g;
}

TEST(Generate, SeedsLoadsThenNumbersAndDressesRooms) {
  TempDir empty;
  Settings settings;
  settings.dressingDir = empty.path().string();
  int messages = 0;
  RunHooks hooks;
  hooks.processMessages = [&] { ++messages; };
  const auto g = generate(settings, hooks);
  ASSERT_TRUE(g->result.generated);
  EXPECT_TRUE(g->result.load.ok());
  EXPECT_GE(messages, 3) << "the run's own yields and the numbering's";

  // The first draw after seeding is the fingerbones quantity.
  RandomSource replay(settings.seed);
  EXPECT_EQ(g->tables.FluffItems.entries[3],
            std::to_string(replay.Random(24) + 1) + " human fingerbones, apparently chewed off");

  int rooms = 0;
  for (const std::string& feature : g->model->lstWalls) rooms += isRoom(parseFeature(feature).type);
  EXPECT_GT(rooms, 0);
  EXPECT_EQ(g->model->lstFluff.size(), static_cast<std::size_t>(rooms));
  for (std::size_t i = 0; i < g->model->lstFluff.size(); ++i) {
    EXPECT_EQ(parseRoomDressing(g->model->lstFluff[i]).room, static_cast<int>(i) + 1);
    EXPECT_EQ(g->model->lstFluff[i].size(), 44u);
  }
  int numbers = 0;
  for (const auto& text : g->canvas.texts) numbers += text.color == colors::kRed;
  EXPECT_EQ(numbers, rooms);
}

TEST(Generate, SameSeedSameDressing) {
  TempDir empty;
  Settings settings;
  settings.dressingDir = empty.path().string();
  settings.dressRoll = 4;
  const auto first = generate(settings);
  const auto second = generate(settings);
  EXPECT_EQ(first->model->lstWalls.records(), second->model->lstWalls.records());
  EXPECT_EQ(first->model->lstFluff, second->model->lstFluff);
  EXPECT_EQ(first->model->lstDoorDress.records(), second->model->lstDoorDress.records());
  EXPECT_FALSE(first->model->lstDoorDress.empty());
}

TEST(Generate, FailedLoadMakesNoRun) {
  TempDir dir;
  std::filesystem::create_symlink(dir.path() / "nowhere", dir.path() / "Traps.txt");
  Settings settings;
  settings.dressingDir = dir.path().string();
  const auto g = generate(settings);
  EXPECT_FALSE(g->result.generated);
  EXPECT_EQ(g->result.load.error, "Cannot open file " + dir.file("Traps.txt"));
  EXPECT_TRUE(g->model->lstWalls.empty());
  EXPECT_TRUE(g->canvas.texts.empty());
}

}  // namespace
}  // namespace delvora
