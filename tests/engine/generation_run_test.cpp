#include "engine/generation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/dead_ends.h"
#include "engine/steps.h"
#include "fake_canvas.h"

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
  run->report = FormShow(ctx, hooks);
  return run;
}

// True when two rectangles share more than a line.
bool areasOverlap(const Rect& a, const Rect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) &&
         std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

bool isDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

void checkInvariants(const Run& run, const Settings& settings) {
  const MapSize size = mapSizeFor(settings.mapSizeIndex);
  for (const std::string& record : run.model->lstWalls) {
    ASSERT_EQ(record.size(), 17u) << record;
    ASSERT_TRUE(isDigits(record)) << record;
    const Feature f = parseFeature(record);
    ASSERT_TRUE(f.type >= 1 && f.type <= 4) << record;
    ASSERT_GE(f.rect.left, 0) << record;
    ASSERT_GE(f.rect.top, 0) << record;
    ASSERT_LE(f.rect.right, size.width) << record;
    ASSERT_LE(f.rect.bottom, size.height) << record;
    // A stretch that meets a feature one pixel away (snap off) is an empty piece whose right
    // edge lies one pixel left of its left edge.
    ASSERT_LE(f.rect.left, f.rect.right + 1) << record;
    ASSERT_LE(f.rect.top, f.rect.bottom + 1) << record;
  }
  for (const std::string& record : run.builtWalls) {
    const Feature f = parseFeature(record);
    ASSERT_LT(f.rect.left, f.rect.right) << record;
    ASSERT_LT(f.rect.top, f.rect.bottom) << record;
  }
  // Built features share at most a wall line.
  for (std::size_t i = 0; i < run.builtWalls.size(); ++i) {
    const Rect a = parseFeature(run.builtWalls[i]).rect;
    for (std::size_t j = i + 1; j < run.builtWalls.size(); ++j) {
      const Rect b = parseFeature(run.builtWalls[j]).rect;
      if (a == b) continue;  // the same feature recorded twice
      ASSERT_FALSE(areasOverlap(a, b)) << run.builtWalls[i] << " vs " << run.builtWalls[j];
    }
  }
  // Every door straddles a wall line of some feature, within its extent.
  for (const std::string& door : run.model->lstDoors) {
    ASSERT_EQ(door.size(), 18u) << door;
    const Rect d = parseDoorRect(door);
    const bool horizontal = door[16] == 'H';
    ASSERT_EQ(d.right - d.left, horizontal ? 14 : 7) << door;
    bool straddles = false;
    for (const std::string& record : run.model->lstWalls) {
      const Rect f = parseFeature(record).rect;
      if (horizontal) {
        straddles |= (d.top + 2 == f.top || d.top + 2 == f.bottom || d.top + 3 == f.top) &&
                     d.left < f.right && f.left < d.right;
      } else {
        straddles |= (d.left + 2 == f.left || d.left + 2 == f.right || d.left + 3 == f.left) &&
                     d.top < f.bottom && f.top < d.bottom;
      }
    }
    ASSERT_TRUE(straddles) << door;
  }
  for (const std::string& stairs : run.model->lstStairs) ASSERT_EQ(stairs.size(), 16u);
}

TEST(GenerationRun, SameSeedSameDungeon) {
  Settings settings;
  settings.river = true;
  settings.chasm = true;
  settings.stairs = 4;
  const auto a = generate(settings);
  const auto b = generate(settings);
  EXPECT_EQ(a->model->lstWalls.records(), b->model->lstWalls.records());
  EXPECT_EQ(a->model->lstCorridors, b->model->lstCorridors);
  EXPECT_EQ(a->model->lstDoors.records(), b->model->lstDoors.records());
  EXPECT_EQ(a->model->lstStairs, b->model->lstStairs);
  EXPECT_EQ(a->model->random.state(), b->model->random.state());
  EXPECT_EQ(a->canvas.lines, b->canvas.lines);
  EXPECT_GT(a->model->lstWalls.size(), 10u);
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
  FormShow(ctx, hooks);
  EXPECT_EQ(wallsWhenNumbered, model->lstWalls.size());
  EXPECT_EQ(model->lstStairs.size(), 2u);

  settings.numberRooms = false;
  bool called = false;
  hooks.numberRooms = [&](StepContext&) { called = true; };
  auto again = std::make_unique<MapModel>();
  StepContext ctx2{*again, settings, canvas};
  FormShow(ctx2, hooks);
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
    settings.mapSizeIndex = static_cast<int>(seed % 4);
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
