// The traced walls of the floor as drawn: outlines, shared wall lines, door gaps, erased ends.
#include "export/wall_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "export/floor_plan.h"
#include "export_test_support.h"

namespace delvora {
namespace {

using testing::UnitEdge;

MapModel& smallMap(MapModel& model) {
  model.state.mapWidth = 640;
  model.state.mapHeight = 480;
  return model;
}

TEST(WallOutline, LoneRoomIsOneClosedPolylineOfFivePoints) {
  auto model = std::make_unique<MapModel>();
  smallMap(*model).lstWalls.insert(featureRecord({96, 160, 192, 224}, FeatureType::Room));
  const std::vector<WallPolyline> walls = traceWalls(*model, {});
  ASSERT_EQ(walls.size(), 1u);
  ASSERT_EQ(walls[0].size(), 5u);
  EXPECT_EQ(walls[0].front(), walls[0].back());
  const std::set<UnitEdge> edges = testing::unitEdges(walls);
  EXPECT_EQ(edges.size(), 2u * (96 + 64));
  EXPECT_TRUE(edges.contains({96, 160, false}));
  EXPECT_TRUE(edges.contains({191, 224, true}));
  EXPECT_FALSE(edges.contains({192, 224, true}));
}

// A room with a corridor attached below it, sharing the line y = 224, joined by the door the
// placement step would put there.
struct RoomAndCorridor {
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  Rect corridor{128, 224, 144, 288};
  Rect doorTile{129, 222, 143, 229};

  explicit RoomAndCorridor(char kind) {
    smallMap(*model).lstWalls.insert(featureRecord({96, 160, 192, 224}, FeatureType::Room));
    model->lstWalls.insert(featureRecord(corridor, FeatureType::VerticalCorridor));
    model->lstCorridors.push_back(featureRecord(corridor, FeatureType::VerticalCorridor));
    model->lstDoors.insert(doorRecord(doorTile, 'H', kind));
  }
};

TEST(WallOutline, SharedWallLineIsWallExceptAtTheDoorOpening) {
  const RoomAndCorridor map('N');
  const std::vector<MapDoor> doors = liveDoors(*map.model);
  ASSERT_EQ(doors.size(), 1u);
  EXPECT_EQ(doors[0].from, (MapPoint{130, 224}));
  EXPECT_EQ(doors[0].to, (MapPoint{142, 224}));

  const std::set<UnitEdge> closed = testing::unitEdges(traceWalls(*map.model, {}));
  const std::set<UnitEdge> open = testing::unitEdges(traceWalls(*map.model, doors));
  for (int x = 128; x < 144; ++x) {
    EXPECT_TRUE(closed.contains({x, 224, true})) << "shared line at x " << x;
    EXPECT_EQ(open.contains({x, 224, true}), x < 130 || x >= 142) << "x " << x;
  }
  // The opening's own sides are no wall: the bridge lies inside the two floors.
  EXPECT_FALSE(open.contains({130, 222, false}));
  EXPECT_FALSE(open.contains({130, 226, false}));
}

TEST(WallOutline, ErasedCorridorIsRockAndItsDoorIsGone) {
  RoomAndCorridor map('N');
  map.model->lstErased.push_back(featureRecord(map.corridor, FeatureType::VerticalCorridor));
  EXPECT_TRUE(liveDoors(*map.model).empty());
  const std::vector<WallPolyline> walls = traceWalls(*map.model, liveDoors(*map.model));
  ASSERT_EQ(walls.size(), 1u) << "only the room is left";
  EXPECT_EQ(walls[0].size(), 5u);
}

TEST(WallOutline, StretchGapIsClosedOnTheDoorsLine) {
  // A stretch ends one pixel short of the corridor it extends; the forced archway spans the
  // one-pixel row of rock between them, its wall line being the lower corridor's top.
  for (const char kind : {'A', 'N'}) {
    auto model = std::make_unique<MapModel>();
    smallMap(*model).lstWalls.insert(
        featureRecord({128, 224, 144, 288}, FeatureType::VerticalCorridor));
    model->lstWalls.insert(featureRecord({128, 100, 144, 223}, FeatureType::VerticalCorridor));
    model->lstDoors.insert(doorRecord({129, 222, 143, 229}, 'H', kind));
    const std::vector<MapDoor> doors = liveDoors(*model);
    ASSERT_EQ(doors.size(), 1u);
    const std::set<UnitEdge> edges = testing::unitEdges(traceWalls(*model, doors));
    // The sides run straight past the row of rock, which goes to the upper corridor, so the
    // wall across stays on the door's line: jambs beside the opening, no step, no leak.
    for (int y = 100; y < 288; ++y) {
      EXPECT_TRUE(edges.contains({128, y, false}) && edges.contains({144, y, false})) << y;
    }
    for (int x = 128; x < 144; ++x) {
      EXPECT_EQ(edges.contains({x, 224, true}), x < 130 || x >= 142) << kind << " x " << x;
      EXPECT_FALSE(edges.contains({x, 223, true})) << kind << " x " << x;
    }
  }
}

// A two-pixel stretch erased without snapping: its fill reaches past it over the room it met,
// and its closing tile stands in that fill. The walls go round the rock as painted and the
// archways into it are closed.
TEST(WallOutline, CleanUpPaintIsRock) {
  auto model = std::make_unique<MapModel>();
  smallMap(*model).lstWalls.insert(featureRecord({96, 160, 192, 224}, FeatureType::Room));
  model->lstWalls.insert(featureRecord({192, 176, 194, 192}, FeatureType::HorizontalCorridor));
  model->lstWalls.insert(featureRecord({194, 160, 290, 224}, FeatureType::Room));
  model->lstDoors.insert(doorRecord({190, 177, 197, 191}, 'V', 'A'));
  model->lstDoors.insert(doorRecord({192, 177, 199, 191}, 'V', 'A'));
  ASSERT_EQ(liveDoors(*model).size(), 2u);
  model->lstErased.push_back(featureRecord({192, 176, 194, 192}, FeatureType::HorizontalCorridor));
  model->cleanUpPaint = {{Tile::Speckled, {192, 176, 208, 192}},
                         {Tile::CloseLeft2, {192, 177, 199, 191}}};
  EXPECT_TRUE(liveDoors(*model).empty());
  const std::set<UnitEdge> edges = testing::unitEdges(traceWalls(*model, {}));
  // The left room keeps its wall at x 192; the right one is walled round the painted block.
  for (int y = 160; y < 224; ++y) EXPECT_TRUE(edges.contains({192, y, false})) << y;
  for (int y = 176; y < 192; ++y) EXPECT_TRUE(edges.contains({208, y, false})) << y;
  for (int x = 194; x < 208; ++x) {
    EXPECT_TRUE(edges.contains({x, 176, true}) && edges.contains({x, 192, true})) << x;
  }
  // The closing tile's wall pixels stand inside the painted block: nothing of them is left as a
  // pocket of floor.
  EXPECT_FALSE(edges.contains({199, 180, false}));
}

// Drawn corners: the room's walls follow them in a few segments each, inside the outline.
TEST(WallOutline, RoundRoomFollowsItsCorners) {
  auto model = std::make_unique<MapModel>();
  const Rect room{96, 96, 288, 224};
  smallMap(*model).lstWalls.insert(featureRecord(room, FeatureType::RoundRoom));
  const std::vector<WallPolyline> walls = traceWalls(*model, {});
  ASSERT_EQ(walls.size(), 1u);
  const WallPolyline& line = walls[0];
  EXPECT_EQ(line.front(), line.back());
  EXPECT_LE(line.size(), 4u * 8u) << "a few segments a corner";
  const std::vector<int> insets = roundRoomInsets(room);
  for (const MapPoint& p : line) {
    // Every corner point is on the outline of the drawn shape or inside it.
    const int row = std::clamp(p.y - room.top, 0, room.bottom - room.top - 1);
    const int above = std::clamp(p.y - room.top - 1, 0, room.bottom - room.top - 1);
    const int inset =
        std::min(insets[static_cast<std::size_t>(row)], insets[static_cast<std::size_t>(above)]);
    EXPECT_GE(p.x, room.left + inset) << p.x << "," << p.y;
    EXPECT_LE(p.x, room.right - inset) << p.x << "," << p.y;
  }
  EXPECT_FALSE(std::find(line.begin(), line.end(), MapPoint{room.left, room.top}) != line.end());
}

// How many unit edges of the walls meet at p.
int edgesAt(const std::set<UnitEdge>& edges, MapPoint p) {
  return static_cast<int>(edges.contains({p.x, p.y, true})) +
         static_cast<int>(edges.contains({p.x - 1, p.y, true})) +
         static_cast<int>(edges.contains({p.x, p.y, false})) +
         static_cast<int>(edges.contains({p.x, p.y - 1, false}));
}

// Sweeps generated maps: every live room's outline is wall except at the openings of its
// doors, erased corridors leave no door behind, and no wall ends in the open except at a door.
TEST(WallOutline, GeneratedMapsAreEnclosedExceptAtDoors) {
  struct Case {
    std::uint32_t seed;
    bool snap;
    std::vector<DeadEndMode> deadEnds;
  } cases[] = {{7, true, {}},
               {66205318, true, {DeadEndMode::AFew}},
               {12345, true, {DeadEndMode::Some, DeadEndMode::AFew}},
               {99, false, {DeadEndMode::AFew}}};
  for (const Case& c : cases) {
    Settings settings;
    settings.seed = c.seed;
    settings.iterations = 1000;
    settings.snapToGrid = c.snap;
    const auto dungeon = testing::makeDungeon(settings, {.deadEnds = c.deadEnds});
    const MapModel& model = dungeon->model();
    const std::vector<MapDoor> doors = liveDoors(model);
    const std::vector<WallPolyline> walls = traceWalls(model, doors);
    const std::set<UnitEdge> edges = testing::unitEdges(walls);
    std::set<UnitEdge> openings;
    for (const MapDoor& door : doors) openings.merge(testing::openingEdges(door));
    const std::set<std::string> erased(model.lstErased.begin(), model.lstErased.end());
    if (!c.deadEnds.empty()) {
      EXPECT_FALSE(erased.empty()) << "seed " << c.seed;
    }

    const FloorPlan plan(model);
    for (const std::string& record : model.lstWalls) {
      const Feature f = parseFeature(record);
      if (f.type != FeatureType::Room) continue;
      const std::set<UnitEdge> outline = testing::unitEdges({{{f.rect.left, f.rect.top},
                                                              {f.rect.right, f.rect.top},
                                                              {f.rect.right, f.rect.bottom},
                                                              {f.rect.left, f.rect.bottom},
                                                              {f.rect.left, f.rect.top}}});
      for (const UnitEdge& e : outline) {
        // The cell on the room's side of the edge, and the one beyond: a clean-up may have
        // painted the first as rock, and a thin gap beyond may have gone to the room.
        const bool top = e.horizontal && e.y == f.rect.top;
        const bool left = !e.horizontal && e.x == f.rect.left;
        const int inX = e.horizontal || left ? e.x : e.x - 1;
        const int inY = !e.horizontal || top ? e.y : e.y - 1;
        const int outX = e.horizontal ? e.x : (left ? e.x - 1 : e.x);
        const int outY = !e.horizontal ? e.y : (top ? e.y - 1 : e.y);
        if (plan.painted(inX, inY) || plan.floor(outX, outY)) continue;
        EXPECT_TRUE(edges.contains(e) || openings.contains(e))
            << "seed " << c.seed << " room " << record << " edge " << e.x << "," << e.y;
      }
    }
    for (const MapDoor& door : doors) {
      for (const std::string& record : erased) {
        EXPECT_FALSE(testing::doorOfCorridor(door.tile, parseFeature(record).rect))
            << "seed " << c.seed << " door of erased corridor " << record;
      }
    }
    // Slanted segments (round rooms' corners) end where other walls go on.
    std::map<std::pair<int, int>, int> slantedEnds;
    for (const WallPolyline& line : walls) {
      for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i - 1].x == line[i].x || line[i - 1].y == line[i].y) continue;
        ++slantedEnds[{line[i - 1].x, line[i - 1].y}];
        ++slantedEnds[{line[i].x, line[i].y}];
      }
    }
    for (const WallPolyline& line : walls) {
      if (line.front() == line.back()) continue;
      for (const MapPoint end : {line.front(), line.back()}) {
        bool atDoor = false;
        for (const MapDoor& door : doors) atDoor = atDoor || end == door.from || end == door.to;
        // Its own last edge is one; a wall it ends on gives at least one more.
        const int meeting = edgesAt(edges, end) + slantedEnds[{end.x, end.y}];
        EXPECT_TRUE(atDoor || meeting >= 2)
            << "seed " << c.seed << " wall ends in the open at " << end.x << "," << end.y;
      }
    }
  }
}

}  // namespace
}  // namespace delvora
