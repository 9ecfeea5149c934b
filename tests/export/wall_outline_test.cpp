// The traced walls of the floor as drawn: outlines, shared wall lines, door gaps, erased ends.
#include "export/wall_outline.h"

#include <gtest/gtest.h>

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

TEST(WallOutline, StretchGapIsBridgedWithoutLeaks) {
  // A stretch ends one pixel short of the corridor it extends; the forced archway spans the
  // one-pixel row of rock between them.
  auto model = std::make_unique<MapModel>();
  smallMap(*model).lstWalls.insert(
      featureRecord({128, 224, 144, 288}, FeatureType::VerticalCorridor));
  model->lstWalls.insert(featureRecord({128, 100, 144, 223}, FeatureType::VerticalCorridor));
  model->lstDoors.insert(doorRecord({129, 222, 143, 229}, 'H', 'A'));
  const std::vector<MapDoor> doors = liveDoors(*model);
  ASSERT_EQ(doors.size(), 1u);
  const std::vector<WallPolyline> walls = traceWalls(*model, doors);
  const std::set<UnitEdge> edges = testing::unitEdges(walls);
  // One-pixel jambs close the rock row beside the opening; the walls make one closed outline.
  EXPECT_TRUE(edges.contains({130, 223, false}));
  EXPECT_TRUE(edges.contains({142, 223, false}));
  EXPECT_FALSE(edges.contains({135, 223, true}));
  ASSERT_EQ(walls.size(), 1u);
  EXPECT_EQ(walls[0].front(), walls[0].back());
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
    const MapModel& model = *dungeon->model;
    const std::vector<MapDoor> doors = liveDoors(model);
    const std::vector<WallPolyline> walls = traceWalls(model, doors);
    const std::set<UnitEdge> edges = testing::unitEdges(walls);
    std::set<UnitEdge> openings;
    for (const MapDoor& door : doors) openings.merge(testing::openingEdges(door));
    const std::set<std::string> erased(model.lstErased.begin(), model.lstErased.end());
    if (!c.deadEnds.empty()) {
      EXPECT_FALSE(erased.empty()) << "seed " << c.seed;
    }

    for (const std::string& record : model.lstWalls) {
      const Feature f = parseFeature(record);
      if (!isRoom(f.type)) continue;
      const std::set<UnitEdge> outline = testing::unitEdges({{{f.rect.left, f.rect.top},
                                                              {f.rect.right, f.rect.top},
                                                              {f.rect.right, f.rect.bottom},
                                                              {f.rect.left, f.rect.bottom},
                                                              {f.rect.left, f.rect.top}}});
      for (const UnitEdge& e : outline) {
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
    for (const WallPolyline& line : walls) {
      if (line.front() == line.back()) continue;
      for (const MapPoint end : {line.front(), line.back()}) {
        bool atDoor = false;
        for (const MapDoor& door : doors) atDoor = atDoor || end == door.from || end == door.to;
        // Its own last edge is one; a wall it ends on gives at least one more.
        EXPECT_TRUE(atDoor || edgesAt(edges, end) >= 2)
            << "seed " << c.seed << " wall ends in the open at " << end.x << "," << end.y;
      }
    }
  }
}

}  // namespace
}  // namespace delvora
