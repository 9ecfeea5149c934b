#include "dungeon/generate.h"

#include <gtest/gtest.h>

#include "engine/dressing_records.h"
#include "engine/model_dump.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

using testing::makeDungeon;
using testing::RecordingCanvas;
using testing::runOnCanvas;
using testing::ScratchDir;

TEST(Generate, SeedsLoadsThenNumbersAndDressesRooms) {
  ScratchDir empty;
  Settings settings;
  settings.dressingDir = empty.path().string();
  RecordingCanvas canvas;
  const auto g = runOnCanvas(settings, canvas);
  ASSERT_TRUE(g->result.generated);
  EXPECT_TRUE(g->result.load.ok());
  EXPECT_GE(g->messages, 3) << "the run's own yields and the numbering's";

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
  for (const auto& text : canvas.texts) numbers += text.color == colors::kRed;
  EXPECT_EQ(numbers, rooms);
}

TEST(Generate, SameSeedSameDressing) {
  ScratchDir empty;
  Settings settings;
  settings.dressingDir = empty.path().string();
  settings.dressRoll = 4;
  const auto first = makeDungeon(settings);
  const auto second = makeDungeon(settings);
  EXPECT_EQ(toString(first->model()), toString(second->model()));
  EXPECT_TRUE(first->picture() == second->picture());
  EXPECT_FALSE(first->model().lstDoorDress.empty());
}

TEST(Generate, FailedLoadMakesNoRun) {
  ScratchDir dir;
  std::filesystem::create_symlink(dir.path() / "nowhere", dir.path() / "Traps.txt");
  Settings settings;
  settings.dressingDir = dir.path().string();
  RecordingCanvas canvas;
  const auto g = runOnCanvas(settings, canvas);
  EXPECT_FALSE(g->result.generated);
  EXPECT_EQ(g->result.load.error, "Cannot open file " + dir.file("Traps.txt"));
  EXPECT_TRUE(g->model->lstWalls.empty());
  EXPECT_EQ(canvas.rectangles + canvas.lines + static_cast<int>(canvas.texts.size()), 0);
}

}  // namespace
}  // namespace delvora
