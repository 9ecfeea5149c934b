#include <gtest/gtest.h>

#include "engine/steps.h"
#include "tests/support/engine_fixture.h"

namespace delvora {
namespace {

using testing::drawsBetween;
using testing::EngineFixture;

TEST(Stairs, NoneWantedMeansNoDrawsAndAnEmptyList) {
  EngineFixture f;
  f.addFeature({100, 100, 300, 300}, FeatureType::Room);
  f.model->lstStairs.push_back("left over");
  f.settings.stairs = 0;
  f.model->random.setState(3);
  StepContext ctx = f.ctx();
  EXPECT_EQ(AddStairs(ctx), 0);
  EXPECT_TRUE(f.model->lstStairs.empty());
  EXPECT_EQ(f.model->random.state(), 3u);
}

TEST(Stairs, AlternateDownThenUpAndKeepApart) {
  EngineFixture f;
  f.addFeature({100, 100, 400, 400}, FeatureType::Room);
  f.addFeature({600, 100, 700, 200}, FeatureType::Room);  // last record: never chosen
  f.settings.stairs = 5;
  StepContext ctx = f.ctx();
  EXPECT_EQ(AddStairs(ctx), 0);
  ASSERT_EQ(f.model->lstStairs.size(), 5u);
  ASSERT_EQ(f.canvas.tiles.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(f.canvas.tiles[i].tile, i % 2 == 0 ? Tile::StairsDown : Tile::StairsUp);
    const Rect s = parseStairs(f.model->lstStairs[i]);
    EXPECT_GE(s.left, 100);
    EXPECT_LE(s.left, 400 - 17);
    EXPECT_EQ(s.right, s.left + 16);
    for (std::size_t j = 0; j < i; ++j) {
      const Rect t = parseStairs(f.model->lstStairs[j]);
      EXPECT_TRUE(std::abs(s.left - t.left) > 16 || std::abs(s.top - t.top) > 16);
    }
  }
}

TEST(Stairs, FullMapGivesUpAndReportsTheShortfall) {
  EngineFixture f;
  f.addFeature({100, 100, 132, 132}, FeatureType::Room);  // room for exactly one staircase
  f.addFeature({600, 100, 700, 200}, FeatureType::Room);
  f.settings.stairs = 3;
  StepContext ctx = f.ctx();
  EXPECT_EQ(AddStairs(ctx), 2);
  EXPECT_EQ(f.model->lstStairs.size(), 1u);
}

TEST(Stairs, CorridorsWhenNotAllowedStillCostTheirDraws) {
  EngineFixture f;
  f.addFeature({100, 100, 300, 116}, FeatureType::HorizontalCorridor);
  f.addFeature({600, 100, 700, 200}, FeatureType::Room);
  f.settings.stairs = 1;
  f.settings.corridorStairs = false;
  f.model->random.setState(11);
  StepContext ctx = f.ctx();
  EXPECT_EQ(AddStairs(ctx), 1);
  // Every failed attempt made three draws: feature, x and a Random(0) for y.
  EXPECT_EQ(drawsBetween(11, f.model->random.state(), 400000), 300000);
}

TEST(Stairs, HorizontalCorridorTakesItsOnlyRow) {
  EngineFixture f;
  f.addFeature({100, 100, 300, 116}, FeatureType::HorizontalCorridor);
  f.addFeature({600, 100, 700, 200}, FeatureType::Room);
  f.settings.stairs = 1;
  StepContext ctx = f.ctx();
  EXPECT_EQ(AddStairs(ctx), 0);
  EXPECT_EQ(parseStairs(f.model->lstStairs[0]).top, 100);
  EXPECT_FALSE(f.model->grid.covered(650, 99)) << "stairs do not mark the grid";
}

}  // namespace
}  // namespace delvora
