#include <gtest/gtest.h>

#include "engine/steps.h"
#include "tests/support/engine_fixture.h"

namespace delvora {
namespace {

using testing::drawsBetween;
using testing::EngineFixture;

TEST(StretchCorridor, VerticalCorridorRunsUpToTheFeatureAbove) {
  EngineFixture f;
  f.addFeature({96, 64, 256, 128}, FeatureType::Room);                // the room above
  f.addFeature({160, 240, 176, 320}, FeatureType::VerticalCorridor);  // index 0: stretched
  StepContext ctx = f.ctx();
  StretchCorridor(ctx);
  ASSERT_EQ(f.model->lstCorridors.size(), 2u);
  EXPECT_EQ(f.model->lstCorridors[1],
            featureRecord({160, 129, 176, 239}, FeatureType::VerticalCorridor));
  EXPECT_EQ(f.model->lstWalls.size(), 3u);
  ASSERT_EQ(f.model->lstDoors.size(), 2u);
  EXPECT_EQ(f.model->lstDoors[0], "0161012601750133HA");
  EXPECT_EQ(f.model->lstDoors[1], "0161023801750245HA");
  EXPECT_EQ(f.model->state.featureCount, 2) << "stretches are not counted";
}

TEST(StretchCorridor, HorizontalCorridorRunsRightToTheFeature) {
  EngineFixture f;
  f.addFeature({100, 100, 200, 116}, FeatureType::HorizontalCorridor);
  f.addFeature({400, 50, 500, 200}, FeatureType::Room);
  StepContext ctx = f.ctx();
  StretchCorridor(ctx);
  ASSERT_EQ(f.model->lstCorridors.size(), 2u);
  EXPECT_EQ(f.model->lstCorridors[1],
            featureRecord({201, 100, 399, 116}, FeatureType::HorizontalCorridor));
  ASSERT_EQ(f.model->lstDoors.size(), 2u);
  EXPECT_EQ(f.model->lstDoors[0], "0199010102060115VA");
  EXPECT_EQ(f.model->lstDoors[1], "0398010104050115VA");
}

TEST(StretchCorridor, ArchwaysRollForTheCrossingTheLastBuildAttemptLeft) {
  // The same stretch between a room and a corridor: one draw per archway, or two when the last
  // build attempt put a vertical corridor against a horizontal one.
  for (const bool lastWasCrossing : {false, true}) {
    EngineFixture f;
    f.addFeature({96, 64, 256, 128}, FeatureType::Room);
    f.addFeature({160, 240, 176, 320}, FeatureType::VerticalCorridor);
    f.model->state.lastFeatureType = FeatureType::VerticalCorridor;
    f.model->state.lastWallOwnerType =
        lastWasCrossing ? FeatureType::HorizontalCorridor : FeatureType::Room;
    f.model->random.setState(31);
    StepContext ctx = f.ctx();
    StretchCorridor(ctx);
    ASSERT_EQ(f.model->lstDoors.size(), 2u);
    EXPECT_EQ(drawsBetween(31, f.model->random.state()), lastWasCrossing ? 4 : 2);
  }
}

TEST(StretchCorridor, LeavesCorridorsThatCannotOrMayNotStretch) {
  struct Case {
    const char* what;
    Rect obstacle;
    Rect corridor;
    bool oddPosition;
  };
  const Case cases[] = {
      {"partial band", {165, 64, 256, 128}, {160, 240, 176, 320}, false},
      {"nothing above", {600, 64, 700, 128}, {160, 240, 176, 320}, false},
      {"touching already", {96, 200, 256, 238}, {160, 240, 176, 320}, false},
      {"top at 30", {96, 0, 256, 10}, {160, 30, 176, 120}, false},
      {"odd position", {96, 64, 256, 128}, {160, 240, 176, 320}, true},
      {"right end near the edge", {790, 0, 800, 600}, {600, 100, 770, 116}, false},
  };
  for (const Case& c : cases) {
    EngineFixture f;
    if (c.oddPosition) f.addFeature({600, 400, 616, 480}, FeatureType::VerticalCorridor);
    f.addFeature(c.obstacle, FeatureType::Room);
    f.addFeature(c.corridor, c.corridor.right - c.corridor.left == 16
                                 ? FeatureType::VerticalCorridor
                                 : FeatureType::HorizontalCorridor);
    const std::size_t before = f.model->lstCorridors.size();
    StepContext ctx = f.ctx();
    StretchCorridor(ctx);
    EXPECT_EQ(f.model->lstCorridors.size(), before) << c.what;
    EXPECT_TRUE(f.model->lstDoors.empty()) << c.what;
  }
}

}  // namespace
}  // namespace delvora
