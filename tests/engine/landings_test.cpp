#include <gtest/gtest.h>

#include "engine/clusters.h"
#include "engine/steps.h"
#include "tests/support/engine_fixture.h"

namespace delvora {
namespace {

using testing::EngineFixture;

TEST(Landings, HoldTheirStaircaseOffTheOutlineOnWholeSquares) {
  const struct {
    StairsSpot spot;
    Rect room;
  } cases[] = {
      {{100, 100}, {80, 80, 144, 144}},  // 17 pixels of floor and outline at least on every side
      {{96, 96}, {64, 64, 144, 144}},     {{95, 95}, {64, 64, 128, 128}},
      {{3, 5}, {0, 0, 48, 48}},  // clipped at the map's edges
      {{780, 580}, {752, 560, 800, 600}},
  };
  for (const auto& c : cases) {
    const std::vector<Rect> rooms = landingRooms({c.spot}, 800, 600);
    ASSERT_EQ(rooms.size(), 1u);
    EXPECT_EQ(rooms[0], c.room) << c.spot.x << "," << c.spot.y;
    if (c.spot.x > kGridSize && c.spot.y > kGridSize && c.spot.x < 700) {
      EXPECT_TRUE(tileInside(c.spot, rooms[0], kGridSize + 1)) << c.spot.x;
    }
  }
}

TEST(Landings, ThatWouldMeetAreMergedIntoOne) {
  // The first two overlap, the third meets their merged room only, the fourth stands apart.
  const std::vector<Rect> rooms =
      landingRooms({{100, 100}, {140, 100}, {200, 60}, {500, 400}}, 800, 600);
  ASSERT_EQ(rooms.size(), 2u);
  EXPECT_EQ(rooms[0], (Rect{80, 32, 240, 144}));
  EXPECT_EQ(rooms[1], (Rect{480, 368, 544, 448}));
}

TEST(Landings, StairsBelowTheFirstLevelInterleaveAndKeepOffDoors) {
  EngineFixture f;
  f.addFeature({100, 100, 400, 400}, FeatureType::Room);
  f.addFeature({600, 100, 700, 200}, FeatureType::Room);
  f.model->lstDoors.insert(doorRecord({100, 100, 400, 107}, 'H', 'N'));  // the top strip
  f.settings.stairs = 5;
  StepContext ctx = f.ctx();
  const std::vector<StairsSpot> ups{{200, 300}, {300, 200}};
  EXPECT_EQ(AddStairs(ctx, ups), 0);
  ASSERT_EQ(f.model->lstStairs.size(), 5u) << "three down, two up";
  EXPECT_EQ(f.canvas.tiles[0].tile, Tile::StairsUp);
  EXPECT_EQ(f.canvas.tiles[1].tile, Tile::StairsUp);
  for (std::size_t i = 0; i < 5; ++i) {
    const Rect s = parseStairs(f.model->lstStairs[i]);
    if (i % 2 == 1) {
      EXPECT_EQ(s.left, ups[i / 2].x);
      EXPECT_EQ(s.top, ups[i / 2].y);
      continue;
    }
    EXPECT_GE(s.top, 107) << "off the door";
    for (const StairsSpot& up : ups) {
      EXPECT_TRUE(std::abs(s.left - up.x) > 16 || std::abs(s.top - up.y) > 16);
    }
  }
}

TEST(Clusters, DoorsLinkFeaturesAndJoinsLinkGroups) {
  EngineFixture f;
  f.addFeature({100, 100, 200, 200}, FeatureType::Room);
  f.addFeature({200, 100, 300, 200}, FeatureType::Room);  // shares a wall, no door yet
  f.addFeature({100, 400, 200, 480}, FeatureType::Room);  // 200 pixels of rock below the first
  f.addFeature({600, 100, 700, 200}, FeatureType::Room);  // nothing straight out of a side
  EXPECT_EQ(clusterCount(*f.model), 4);
  f.model->lstDoors.insert(doorRecord({198, 140, 205, 154}, 'V', 'N'));
  EXPECT_EQ(featureClusters(*f.model), (std::vector<int>{0, 1, 0, 2}))
      << "lstWalls sorts 100,100 / 100,400 / 200,100 / 600,100";

  StepContext ctx = f.ctx();
  JoinClusters(ctx);
  // The rooms at 300 and 600 face each other across 299 pixels; the room below is 199 away.
  EXPECT_EQ(clusterCount(*f.model), 1);
  ASSERT_EQ(f.model->lstCorridors.size(), 2u);
  EXPECT_EQ(parseFeature(f.model->lstCorridors[0]).rect, (Rect{100, 201, 116, 399}));
  EXPECT_EQ(parseFeature(f.model->lstCorridors[1]).type, FeatureType::HorizontalCorridor);
  for (const std::string& door : f.model->lstDoors) {
    if (door == doorRecord({198, 140, 205, 154}, 'V', 'N')) continue;
    EXPECT_EQ(parseDoor(door).kind, 'A') << door;
  }
}

}  // namespace
}  // namespace delvora
