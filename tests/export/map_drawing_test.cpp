// What the vector drawings read from the model: one tracing for every part, the floor's outline,
// the river's course, and the drawing's small tools.
#include "export/map_drawing.h"

#include <gtest/gtest.h>

#include "export/decimal_text.h"
#include "export/floor_plan.h"
#include "export/outline_path.h"
#include "export_test_support.h"
#include "svg_tools.h"

namespace delvora {
namespace {

struct Sample {
  std::uint32_t seed;
  bool chasm;
  bool snap;
  std::vector<DeadEndMode> deadEnds;
};

const Sample kSamples[] = {
    {7, false, true, {}},
    {12, true, true, {DeadEndMode::Some}},
    {99, true, false, {DeadEndMode::Some, DeadEndMode::AFew}},
    {4321, false, true, {DeadEndMode::AFew}},
    {80085, true, true, {}},
};

std::unique_ptr<Dungeon> sampleDungeon(const Sample& sample) {
  Settings settings;
  settings.seed = sample.seed;
  settings.chasm = sample.chasm;
  settings.snapToGrid = sample.snap;
  settings.roomSize = sample.seed % 2 == 0 ? RoomSize::Large : RoomSize::Small;
  return testing::makeDungeon(settings, {.deadEnds = sample.deadEnds});
}

TEST(TraceMap, GivesWhatEachTracerGives) {
  for (const Sample& sample : kSamples) {
    const auto dungeon = sampleDungeon(sample);
    const MapModel& model = dungeon->model();
    const TracedMap traced = traceMap(model, "NA");
    const std::vector<MapDoor> live = liveDoors(model);
    ASSERT_EQ(traced.doors.size(), live.size()) << sample.seed;
    std::vector<MapDoor> openings;
    for (const MapDoor& door : live) {
      if (door.kind == 'N' || door.kind == 'A') openings.push_back(door);
    }
    ASSERT_EQ(traced.openings.size(), openings.size()) << sample.seed;
    EXPECT_EQ(traced.walls, traceWalls(model, openings)) << sample.seed;
    EXPECT_EQ(traced.chasm, traceChasm(model, openings)) << sample.seed;
    EXPECT_EQ(traced.chasm.empty(), !sample.chasm) << sample.seed;
    // Every live door is shown; a door shown but not live is one of lstDoors.
    EXPECT_GE(traced.shown.size(), traced.doors.size()) << sample.seed;
  }
}

// Even-odd inside the floor's loops is the floor of the opened plan, away from the few pixels
// where steps are straightened and round corners smoothed.
TEST(TraceMap, FloorLoopsEncloseTheFloor) {
  for (const Sample& sample : kSamples) {
    const auto dungeon = sampleDungeon(sample);
    const MapModel& model = dungeon->model();
    const TracedMap traced = traceMap(model, "NA");
    FloorPlan plan(model);
    for (const MapDoor& door : traced.openings) plan.addBridge(door);
    plan.dropPockets(64);
    std::vector<std::vector<VecPoint>> loops;
    for (const WallPolyline& loop : traced.floor) {
      ASSERT_GE(loop.size(), 4u);
      ASSERT_EQ(loop.front(), loop.back()) << sample.seed;
      std::vector<VecPoint>& points = loops.emplace_back();
      for (const MapPoint& p : loop) points.push_back({double(p.x), double(p.y)});
    }
    int checked = 0;
    for (int y = 2; y < plan.height(); y += 7) {
      for (int x = 3; x < plan.width(); x += 5) {
        const VecPoint centre{x + 0.5, y + 0.5};
        bool inside = false;
        bool near = false;
        for (const std::vector<VecPoint>& loop : loops) {
          if (testing::distanceTo(loop, centre) < 3) near = true;
          for (std::size_t i = 1; i < loop.size(); ++i) {
            const VecPoint a = loop[i - 1];
            const VecPoint b = loop[i];
            if ((a.y > centre.y) != (b.y > centre.y) &&
                centre.x < a.x + (centre.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
              inside = !inside;
            }
          }
        }
        if (near) continue;
        ++checked;
        ASSERT_EQ(inside, plan.floor(x, y)) << sample.seed << " at " << x << "," << y;
      }
    }
    EXPECT_GT(checked, 5000);
  }
}

// The drawing's river is where the map drew it: blue, or the grid's mask of it.
TEST(MapDrawing, RiverIsWhereTheMapDrewIt) {
  int checked = 0;
  for (const std::uint32_t seed : {3u, 17u, 256u}) {
    Settings settings;
    settings.seed = seed;
    settings.river = true;
    const auto dungeon = testing::makeDungeon(settings);
    const std::vector<CoursePoint> course = mapDrawing(*dungeon, Audience::GameMaster).river;
    ASSERT_GE(course.size(), 2u) << seed;
    const Bitmap& map = dungeon->picture();
    for (std::size_t i = 1; i < course.size(); ++i) {
      const CoursePoint& p = course[i];
      if (p.x < 0 || p.y < 0 || p.x >= map.width() || p.y >= map.height()) continue;
      const Rgb pixel = map.pixel(p.x, p.y);
      EXPECT_TRUE(pixel.r == 0 && pixel.g == 0 && pixel.b >= 192)
          << seed << ": point " << i << " at " << p.x << "," << p.y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
  EXPECT_TRUE(mapDrawing(*testing::makeDungeon(Settings{}), Audience::GameMaster).river.empty());
}

TEST(MapDrawing, NumbersRoomsInListOrderForTheGameMasterOnly) {
  Settings settings;
  settings.seed = 7;
  settings.stairs = 4;
  const auto dungeon = testing::makeDungeon(settings);
  const MapDrawing master = mapDrawing(*dungeon, Audience::GameMaster);
  ASSERT_FALSE(master.labels.empty());
  for (std::size_t i = 0; i < master.labels.size(); ++i) {
    EXPECT_EQ(master.labels[i].number, static_cast<int>(i) + 1);
  }
  EXPECT_EQ(master.stairs.size(), 4u);
  EXPECT_TRUE(master.stairs[0].down);
  EXPECT_FALSE(master.stairs[1].down);
  const MapDrawing players = mapDrawing(*dungeon, Audience::Players);
  EXPECT_TRUE(players.labels.empty());
  for (const MapDoor& door : players.doors) EXPECT_TRUE(door.kind == 'N' || door.kind == 'A');

  settings.numberRooms = false;
  EXPECT_TRUE(mapDrawing(*testing::makeDungeon(settings), Audience::GameMaster).labels.empty());
}

TEST(OutlinePath, ClosesLoopsAndFollowsRoundCornersBetweenTheirPoints) {
  auto model = std::make_unique<MapModel>();
  model->state.mapWidth = 640;
  model->state.mapHeight = 480;
  model->lstWalls.insert(featureRecord({96, 96, 224, 192}, FeatureType::RoundRoom));
  const RoundCorners corners(*model);
  const std::vector<WallPolyline> walls = traceWalls(*model, {});
  ASSERT_EQ(walls.size(), 1u);
  const VectorPath plain = outlinePath(walls);
  const VectorPath round = outlinePath(walls, &corners);
  // Without corners every point but the repeated last is a vertex, and the loop is closed.
  EXPECT_EQ(plain.ops().size(), walls[0].size());
  EXPECT_EQ(plain.ops().back(), VectorPath::Op::Close);
  int curves = 0;
  for (const VectorPath::Op op : round.ops()) curves += op == VectorPath::Op::Cubic;
  EXPECT_EQ(curves, 4) << "a quarter arc at each corner";
  // The arcs start and end on the traced points.
  EXPECT_EQ(round.points().front(), (VecPoint{double(walls[0][0].x), double(walls[0][0].y)}));
}

TEST(DecimalText, ShortestPlainForm) {
  static const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {{12, 2, "12"},
               {0.5, 2, "0.5"},
               {-3.25, 2, "-3.25"},
               {-0.001, 2, "0"},
               {1.005001, 2, "1.01"},
               {0.2, 3, "0.2"},
               {1234567.125, 3, "1234567.125"},
               {0.0999, 3, "0.1"},
               {4.5354, 5, "4.5354"}};
  for (const auto& c : cases) {
    std::string out;
    appendDecimal(out, c.value, c.decimals);
    EXPECT_EQ(out, c.text) << c.value << " to " << c.decimals;
  }
}

TEST(CleanText, KeepsUtf8ReadsOtherBytesAsLatin1AndDropsControls) {
  EXPECT_EQ(cleanText("Caf\xc3\xa9"), "Caf\xc3\xa9");
  EXPECT_EQ(cleanText("Caf\xe9"), "Caf\xc3\xa9");
  EXPECT_EQ(cleanText("a\tb\r\nc\x7f"), "abc");
  EXPECT_EQ(codePoints("\xe2\x82\xac!"), (std::u32string{0x20ac, '!'}));
}

}  // namespace
}  // namespace delvora
