#include "engine/occupancy_grid.h"

#include <gtest/gtest.h>

#include "tests/support/engine_fixture.h"

namespace delvora {
namespace {

using testing::EngineFixture;

TEST(OccupancyGrid, MarksClosedRectangleUpToMapEdge) {
  EngineFixture f;
  f.addFeature({768, 568, 800, 600}, FeatureType::Room);
  EXPECT_TRUE(f.model->grid.covered(800, 600));
  EXPECT_TRUE(f.model->grid.covered(768, 568));
  EXPECT_FALSE(f.model->grid.covered(767, 600));
  EXPECT_FALSE(f.model->grid.covered(801, 600)) << "cells beyond the map read as free";
}

TEST(OccupancyGrid, ClearForgetsOnlyTheNewMapArea) {
  OccupancyGrid grid;
  grid.clear(1280, 1024);
  grid.mark(900, 700, 1000, 800);
  grid.clear(640, 480);
  EXPECT_FALSE(grid.covered(950, 750)) << "outside the current map everything is free";
  grid.clear(1280, 1024);
  EXPECT_FALSE(grid.covered(950, 750));
}

TEST(CheckBitMap, FirstFeatureIsNeverTested) {
  EngineFixture f;
  f.model->grid.mark(0, 0, 800, 600);
  f.model->state.featureCount = 0;
  f.model->state.fits = true;
  StepContext ctx = f.ctx();
  CheckBitMap(ctx, 10, 10, 50, 50);
  EXPECT_TRUE(f.model->state.fits);
}

TEST(CheckBitMap, LeavesOutOnlyTheParentSide) {
  struct Case {
    char direction;
    Rect candidate;  // touches the parent room 100..200 x 100..200 on one side
    bool fits;
  };
  const Case cases[] = {
      {'U', {100, 200, 200, 300}, true},  // parent above
      {'D', {100, 0, 200, 100}, true},    // parent below
      {'L', {200, 100, 300, 200}, true},  // parent left
      {'R', {0, 100, 100, 200}, true},    // parent right
      {'D', {100, 200, 200, 300}, false}, {'U', {100, 0, 200, 100}, false},
      {'R', {200, 100, 300, 200}, false}, {'L', {0, 100, 100, 200}, false},
  };
  for (const Case& c : cases) {
    EngineFixture f;
    f.addFeature({100, 100, 200, 200}, FeatureType::Room);
    f.model->state.attachDirection = c.direction;
    f.model->state.fits = true;
    StepContext ctx = f.ctx();
    CheckBitMap(ctx, c.candidate.left, c.candidate.top, c.candidate.right, c.candidate.bottom);
    EXPECT_EQ(f.model->state.fits, c.fits) << "direction " << c.direction << " candidate "
                                           << c.candidate.left << "," << c.candidate.top;
  }
}

TEST(UpdateBitMap, CorridorsGoToBothListsRoomsToOne) {
  EngineFixture f;
  f.addFeature({100, 100, 200, 200}, FeatureType::Room);
  f.addFeature({200, 120, 300, 136}, FeatureType::HorizontalCorridor);
  f.addFeature({100, 100, 200, 200}, FeatureType::Room);
  EXPECT_EQ(f.model->lstWalls.size(), 3u);
  EXPECT_EQ(f.model->lstWalls[0], f.model->lstWalls[1]);
  ASSERT_EQ(f.model->lstCorridors.size(), 1u);
  EXPECT_EQ(f.model->lstCorridors[0], "02000120030001362");
}

}  // namespace
}  // namespace delvora
