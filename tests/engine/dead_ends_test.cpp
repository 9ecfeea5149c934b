#include "engine/dead_ends.h"

#include <gtest/gtest.h>

#include "engine/steps.h"
#include "tests/support/engine_fixture.h"

namespace delvora {
namespace {

using testing::drawsBetween;
using testing::EngineFixture;

// A room with a dead-end corridor leaving its right wall through one door.
struct DeadEndScene : EngineFixture {
  DeadEndScene() {
    addFeature({100, 100, 200, 200}, FeatureType::Room);
    addFeature({200, 140, 300, 156}, FeatureType::HorizontalCorridor);
    model->lstDoors.insert("0198014202050156VN");
    model->lstDoorDress.insert("0001EN210198142205156");
    model->lstDoorDress.insert("0002WN2101981422051560");  // another key with the same start
  }
};

TEST(DeadEnds, AFewErasesTheCorridorAndClosesItsDoor) {
  DeadEndScene f;
  f.model->random.setState(21);
  StepContext ctx = f.ctx();
  CleanCorridors(ctx, DeadEndMode::AFew);
  ASSERT_EQ(f.model->lstEligable.size(), 1u);
  EXPECT_EQ(drawsBetween(21, f.model->random.state()), 1);
  // Seven speckled tiles along the corridor, then the closing tile at the door.
  ASSERT_EQ(f.canvas.tiles.size(), 8u);
  EXPECT_EQ(f.canvas.tiles[0].tile, Tile::Speckled);
  EXPECT_EQ(f.canvas.tiles[6].x, 296);
  EXPECT_EQ(f.canvas.tiles[7].tile, Tile::CloseRight);
  EXPECT_EQ(f.canvas.tiles[7].x, 198);
  EXPECT_EQ(f.canvas.tiles[7].y, 142);
  // What was painted is recorded for the exports: the fill's whole tiles, then the closing tile.
  EXPECT_EQ(f.model->cleanUpPaint,
            (std::vector<PaintedTiles>{{Tile::Speckled, {200, 140, 312, 156}},
                                       {Tile::CloseRight, {198, 142, 207, 158}}}));
  ASSERT_EQ(f.model->lstDoorDress.size(), 1u) << "only the removed door's dressing goes";
  EXPECT_EQ(f.model->lstDoorDress[0], "0002WN2101981422051560");
  EXPECT_EQ(f.model->lstWalls.size(), 2u) << "lists and grid stay as they were";
  EXPECT_EQ(f.model->lstDoors.size(), 1u);
}

TEST(DeadEnds, SomeErasesExactlyWhenTheDrawIsOne) {
  for (std::uint32_t seed = 0; seed < 20; ++seed) {
    DeadEndScene f;
    f.settings.showBackground = false;
    f.settings.snapToGrid = false;
    f.model->random.setState(seed);
    RandomSource replay(seed);
    const bool erased = replay.Random(2) == 1;
    StepContext ctx = f.ctx();
    CleanCorridors(ctx, DeadEndMode::Some);
    EXPECT_EQ(f.model->random.state(), replay.state());
    EXPECT_EQ(!f.canvas.tiles.empty(), erased) << "seed " << seed;
    if (erased) {
      EXPECT_EQ(f.canvas.tiles.front().tile, Tile::SmallWhite);
      EXPECT_EQ(f.canvas.tiles.back().tile, Tile::CloseRight2);
    }
    EXPECT_EQ(f.model->lstErased.size(), erased ? 1u : 0u) << "seed " << seed;
  }
}

TEST(DeadEnds, ErasedCorridorsAreListedOnceUntilTheMapCloses) {
  DeadEndScene f;
  StepContext ctx = f.ctx();
  CleanCorridors(ctx, DeadEndMode::AFew);
  CleanCorridors(ctx, DeadEndMode::AFew);
  ASSERT_EQ(f.model->lstErased, RecordList{"02000140030001562"});
  EXPECT_EQ(f.model->cleanUpPaint.size(), 4u) << "painted twice, as drawn";
  f.model->clearMapLists();
  EXPECT_TRUE(f.model->lstErased.empty());
  EXPECT_TRUE(f.model->cleanUpPaint.empty());
}

TEST(DeadEnds, StairsAndSecondDoorsKeepACorridor) {
  {
    DeadEndScene f;
    f.model->lstStairs.push_back(stairsRecord(250, 140));
    StepContext ctx = f.ctx();
    FindEligable(ctx);
    EXPECT_TRUE(f.model->lstEligable.empty());
  }
  {
    DeadEndScene f;
    f.model->lstDoors.insert("0298014203050156VN");  // a second door at the far end
    StepContext ctx = f.ctx();
    CleanCorridors(ctx, DeadEndMode::AFew);
    EXPECT_TRUE(f.canvas.tiles.empty());
  }
}

TEST(DeadEnds, LoneCorridorTouchingOneSideIsNoCandidate) {
  EngineFixture f;
  f.addFeature({400, 400, 416, 480}, FeatureType::VerticalCorridor);
  StepContext ctx = f.ctx();
  FindEligable(ctx);
  EXPECT_TRUE(f.model->lstEligable.empty());
}

}  // namespace
}  // namespace delvora
