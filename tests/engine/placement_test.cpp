#include <gtest/gtest.h>

#include "engine/steps.h"
#include "tests/support/engine_fixture.h"

namespace delvora {
namespace {

using testing::drawsBetween;
using testing::EngineFixture;

TEST(FindWall, SideSelectsOneEdgeOfTheFeature) {
  EngineFixture f;
  f.addFeature({96, 160, 192, 224}, FeatureType::RoundRoom);
  // With one record the feature draw is Random(1); the side comes from the second draw.
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    f.model->random.setState(seed);
    RandomSource replay(seed);
    replay.Random(1);
    const int side = replay.Random(4);
    StepContext ctx = f.ctx();
    const Wall wall = FindWall(ctx);
    const Rect expected[] = {
        {96, 160, 96, 224}, {96, 160, 192, 160}, {192, 160, 192, 224}, {96, 224, 192, 224}};
    EXPECT_EQ(wall.rect, expected[side]) << "side " << side;
    EXPECT_EQ(wall.ownerType, FeatureType::RoundRoom);
    EXPECT_EQ(f.model->random.state(), replay.state());
  }
}

TEST(PlaceFeature, WallAtTheTopEdgeDropsAfterBothDraws) {
  EngineFixture f;
  f.model->random.setState(1234);
  StepContext ctx = f.ctx();
  const Placement placement = PlaceFeature(ctx, {{96, 5, 192, 5}, FeatureType::Room}, 64, 48);
  EXPECT_EQ(placement.candidate.top, -1);
  EXPECT_EQ(drawsBetween(1234, f.model->random.state()), 2);
}

TEST(PlaceFeature, NewFeatureGoesAwayFromItsParent) {
  struct Case {
    Rect wall;
    char direction;
    char orientation;
  };
  // Parent room 96..192 x 160..224 recorded in the grid.
  const Case cases[] = {
      {{96, 160, 192, 160}, 'D', 'H'},   // top side: new feature above
      {{96, 224, 192, 224}, 'U', 'H'},   // bottom side: below
      {{96, 160, 96, 224}, 'R', 'V'},    // left side: to the left
      {{192, 160, 192, 224}, 'L', 'V'},  // right side: to the right
  };
  for (const Case& c : cases) {
    for (std::uint32_t seed = 1; seed < 50; ++seed) {
      EngineFixture f;
      f.addFeature({96, 160, 192, 224}, FeatureType::Room);
      f.model->random.setState(seed);
      StepContext ctx = f.ctx();
      const Placement s = PlaceFeature(ctx, {c.wall, FeatureType::Room}, 48, 32);
      const Rect& r = s.candidate;
      ASSERT_EQ(s.attachDirection, c.direction);
      ASSERT_EQ(s.doorOrientation, c.orientation);
      ASSERT_EQ(r.right - r.left, 48);
      ASSERT_EQ(r.bottom - r.top, 32);
      ASSERT_EQ(r.left % 16, 0);
      ASSERT_EQ(r.top % 16, 0);
      if (c.orientation == 'H') {
        EXPECT_TRUE(r.top == c.wall.top || r.bottom == c.wall.top);
        EXPECT_EQ(s.doorY, c.wall.top - 2) << "the door tile straddles the wall line";
        EXPECT_GE(s.doorX, std::max(c.wall.left, r.left) - 1);
        EXPECT_LE(s.doorX + 14, std::min(c.wall.right, r.right));
      } else {
        EXPECT_TRUE(r.left == c.wall.left || r.right == c.wall.left);
        EXPECT_EQ(s.doorX, c.wall.left - 2);
        EXPECT_LE(s.doorY + 14, std::min(c.wall.bottom, r.bottom));
      }
    }
  }
}

TEST(PlaceFeature, LongerFeatureCoversTheWholeWall) {
  for (std::uint32_t seed = 1; seed < 200; ++seed) {
    EngineFixture f;
    f.settings.snapToGrid = false;
    f.model->state.snapStep = 1;
    f.addFeature({200, 200, 232, 300}, FeatureType::VerticalCorridor);
    f.model->random.setState(seed);
    StepContext ctx = f.ctx();
    const Wall wall{{200, 300, 232, 300}, FeatureType::VerticalCorridor};
    const Rect r = PlaceFeature(ctx, wall, 96, 48).candidate;
    EXPECT_GE(r.left, 232 - 96);
    EXPECT_LE(r.left, 199);
    EXPECT_GE(r.right, 232);
  }
}

TEST(FirstRoom, SmallRoomOnDefaultMapLiesInTheMiddleHalf) {
  for (std::uint32_t seed = 0; seed < 300; ++seed) {
    EngineFixture f;
    f.model->random.setState(seed);
    StepContext ctx = f.ctx();
    FirstRoom(ctx);
    const Feature room = parseFeature(f.model->lstWalls[0]);
    ASSERT_EQ(room.type, FeatureType::Room);
    const Rect& r = room.rect;
    EXPECT_EQ(r.left % 16, 0);
    EXPECT_EQ(r.top % 16, 0);
    // The left edge is drawn from 192 to 592 and the top from 144 to 448 (150 + Random(300),
    // snapped); a pull-back moves them back by the room size range + 50.
    EXPECT_LE(r.left, 592);
    EXPECT_GE(r.left, 192 - 130);
    EXPECT_LE(r.top, 448);
    EXPECT_LE(r.right, 800);
    EXPECT_LE(r.bottom, 600);
    EXPECT_GE(r.right - r.left, 16);
    EXPECT_LE(r.right - r.left, 112);
    EXPECT_EQ(f.model->state.featureCount, 1);
    EXPECT_EQ(drawsBetween(seed, f.model->random.state()), 4);
  }
}

TEST(FirstRoom, TinyRoomsAreThirtyTwoOrFortyEightAcross) {
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    EngineFixture f;
    f.settings.roomSize = RoomSize::Tiny;
    f.model->random.setState(seed);
    StepContext ctx = f.ctx();
    FirstRoom(ctx);
    const Rect r = parseFeature(f.model->lstWalls[0]).rect;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    EXPECT_TRUE(width == 32 || width == 48) << width;
    EXPECT_TRUE(height == 32 || height == 48) << height;
  }
}

TEST(FirstRoom, LargeRoomsPulledBackStayOnTheMap) {
  // With Large rooms the pull-back can leave the top above a 640x480 map; the room is moved
  // back down with its size kept.
  int pulledToEdge = 0;
  for (std::uint32_t seed = 0; seed < 3000; ++seed) {
    EngineFixture f;
    f.settings.roomSize = RoomSize::Large;
    f.model->state.mapWidth = 640;
    f.model->state.mapHeight = 480;
    f.model->grid.clear(640, 480);
    f.model->random.setState(seed);
    StepContext ctx = f.ctx();
    FirstRoom(ctx);
    const Rect r = parseFeature(f.model->lstWalls[0]).rect;
    ASSERT_GE(r.left, 0) << "seed " << seed;
    ASSERT_GE(r.top, 0) << "seed " << seed;
    ASSERT_LE(r.right, 640) << "seed " << seed;
    ASSERT_LE(r.bottom, 480) << "seed " << seed;
    ASSERT_EQ(f.model->lstWalls[0].size(), 17u);
    if (r.top == 0) ++pulledToEdge;
  }
  EXPECT_GT(pulledToEdge, 0) << "the sweep should reach the moved-back case";
}

TEST(BuildFeature, StraightCorridorOnLikeCorridorEndsAfterWallDraws) {
  // Only the straight style (as the settings hold it) stops a corridor continuing one of its own
  // direction. A dropped attempt still counts as the last one for the crossing rolls after it.
  for (const CorridorStyle style : {CorridorStyle::Straight, CorridorStyle::Twisty}) {
    EngineFixture f;
    f.settings.corridorStyle = style;
    f.addFeature({200, 200, 216, 296}, FeatureType::VerticalCorridor);
    const std::uint32_t seed = 77;
    f.model->random.setState(seed);
    StepContext ctx = f.ctx();
    BuildVCorr(ctx);
    const int draws = drawsBetween(seed, f.model->random.state());
    if (style == CorridorStyle::Straight) {
      EXPECT_EQ(draws, 2);
      EXPECT_EQ(f.model->lstWalls.size(), 1u);
    } else {
      EXPECT_GE(draws, 5) << "the length and placement draws follow";
    }
    EXPECT_EQ(f.model->state.lastFeatureType, FeatureType::VerticalCorridor);
    EXPECT_EQ(f.model->state.lastWallOwnerType, FeatureType::VerticalCorridor);
  }
}

}  // namespace
}  // namespace delvora
