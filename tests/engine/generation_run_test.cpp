#include "engine/generation_run.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/dead_ends.h"
#include "engine/model_dump.h"
#include "engine/steps.h"
#include "tests/support/engine_invariants.h"
#include "tests/support/recording_canvas.h"

namespace delvora {
namespace {

using testing::RecordingCanvas;

struct Run {
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  RecordingCanvas canvas;
  RunReport report;
  // lstWalls as the build attempts left it, before stretching.
  std::vector<std::string> builtWalls;
  std::size_t builtCorridors = 0;
};

std::unique_ptr<Run> generate(const Settings& settings) {
  auto run = std::make_unique<Run>();
  run->model->random.setState(settings.seed);
  StepContext ctx{*run->model, settings, run->canvas};
  int calls = 0;
  RunHooks hooks;
  hooks.processMessages = [&] {
    if (++calls == 2) {
      run->builtWalls = run->model->lstWalls.records();
      run->builtCorridors = run->model->lstCorridors.size();
    }
  };
  run->report = runGeneration(ctx, hooks);
  return run;
}

void checkInvariants(const Run& run, const Settings& settings) {
  testing::checkEngineInvariants(*run.model, settings, run.builtWalls);
}

TEST(GenerationRun, SameSeedSameDungeon) {
  Settings settings;
  settings.river = true;
  settings.chasm = true;
  settings.stairs = 4;
  const auto a = generate(settings);
  const auto b = generate(settings);
  EXPECT_EQ(toString(*a->model), toString(*b->model));
  EXPECT_EQ(a->canvas.lines, b->canvas.lines);
  EXPECT_GT(a->model->lstWalls.size(), 10u);
}

TEST(GenerationRun, ReusedModelGivesTheSameDungeonAsANewOne) {
  // The desktop program keeps its model between runs: nothing an earlier run leaves in the
  // engine state may change the next dungeon.
  Settings earlier;
  earlier.seed = 12345;
  earlier.mapSizeIndex = MapSizeIndex::Size1280x1024;
  earlier.corridorStyle = CorridorStyle::VeryTwisty;
  earlier.iterations = 1000;
  earlier.snapToGrid = false;
  earlier.river = true;
  earlier.chasm = true;
  const auto reused = generate(earlier);
  reused->model->clearMapLists();
  Settings settings;
  settings.stairs = 3;
  settings.river = true;
  const auto fresh = generate(settings);
  reused->model->random.setState(settings.seed);
  RecordingCanvas canvas;
  StepContext ctx{*reused->model, settings, canvas};
  runGeneration(ctx);
  EXPECT_EQ(toString(*reused->model), toString(*fresh->model));
  EXPECT_EQ(canvas.rectangles, fresh->canvas.rectangles);
  EXPECT_EQ(canvas.widths, fresh->canvas.widths);
  EXPECT_EQ(reused->model->state.savedSeed, fresh->model->state.savedSeed);
}

TEST(GenerationRun, ChasmCourseIsTheDrawAfterTheStairs) {
  Settings settings;
  settings.chasm = true;
  const auto run = generate(settings);
  RandomSource replay(run->model->state.savedSeed);
  EXPECT_EQ(run->model->state.courseFlag, replay.Random(2));
}

TEST(GenerationRun, NumberingComesBetweenStretchingAndStairs) {
  Settings settings;
  settings.stairs = 2;
  auto model = std::make_unique<MapModel>();
  model->random.setState(settings.seed);
  RecordingCanvas canvas;
  StepContext ctx{*model, settings, canvas};
  std::size_t wallsWhenNumbered = 0;
  RunHooks hooks;
  hooks.numberRooms = [&](StepContext& c) {
    EXPECT_TRUE(c.model.lstStairs.empty());
    wallsWhenNumbered = c.model.lstWalls.size();
  };
  runGeneration(ctx, hooks);
  EXPECT_EQ(wallsWhenNumbered, model->lstWalls.size());
  EXPECT_EQ(model->lstStairs.size(), 2u);

  settings.numberRooms = false;
  bool called = false;
  hooks.numberRooms = [&](StepContext&) { called = true; };
  auto again = std::make_unique<MapModel>();
  StepContext ctx2{*again, settings, canvas};
  runGeneration(ctx2, hooks);
  EXPECT_FALSE(called);
}

TEST(GenerationRun, InvariantsHoldAcrossSeedsAndOptions) {
  const RoomSize sizes[] = {RoomSize::Tiny, RoomSize::Small, RoomSize::Medium, RoomSize::Large};
  const CorridorStyle styles[] = {CorridorStyle::Straight, CorridorStyle::Twisty,
                                  CorridorStyle::VeryTwisty};
  const int iterations[] = {100, 250, 1000, 3000};
  for (std::uint32_t seed = 0; seed < 240; ++seed) {
    Settings settings;
    settings.seed = seed * 2654435761u;
    settings.mapSizeIndex = offeredMapSize(static_cast<int>(seed % 4)).value();
    settings.roomSize = sizes[(seed / 4) % 4];
    settings.corridorStyle = styles[seed % 3];
    settings.iterations = iterations[(seed / 3) % 4];
    settings.stairs = static_cast<int>(seed % 11);
    settings.snapToGrid = seed % 7 != 0;
    settings.corridorStairs = seed % 5 != 0;
    settings.river = seed % 2 == 0;
    settings.chasm = seed % 3 == 0;
    const auto run = generate(settings);
    SCOPED_TRACE(::testing::Message() << "case " << seed);
    checkInvariants(*run, settings);
    if (HasFatalFailure()) return;
  }
}

TEST(GenerationRun, CleanUpRedrawsRiverAndChasmIdentically) {
  Settings settings;
  settings.river = true;
  settings.chasm = true;
  const auto run = generate(settings);
  const std::vector<int> widths = run->canvas.widths;
  const std::uint32_t endState = run->model->random.state();
  const int gridLines = (800 / 16) + (600 / 16);
  const std::vector<int> bands(widths.begin(), widths.end() - gridLines);
  run->canvas.widths.clear();
  StepContext ctx{*run->model, settings, run->canvas};
  CleanDeadEnds(ctx, DeadEndMode::Some);
  EXPECT_EQ(std::vector<int>(run->canvas.widths.begin(), run->canvas.widths.end() - gridLines),
            bands);
  EXPECT_EQ(run->model->random.state(), endState) << "same draws after the saved seed";
  EXPECT_EQ(run->canvas.penMode, PenMode::Mask);
}

}  // namespace
}  // namespace delvora
