#include "engine/occupancy_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

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

// The grid against a plain cell-per-bool model, for rectangles across word edges, outside the
// map and of every shape, after a clear that shrinks the map area.
TEST(OccupancyGrid, TestsAndMarksLikeACellByCellGrid) {
  OccupancyGrid grid;
  grid.clear(1280, 1024);
  grid.mark(0, 0, 1280, 1024);
  grid.clear(1000, 700);
  std::vector<std::vector<bool>> cells(1001, std::vector<bool>(701, false));
  const auto model = [&](int left, int top, int right, int bottom, bool wanted) {
    bool any = false;
    bool all = left <= right && top <= bottom;
    for (int x = left; x <= right; ++x) {
      for (int y = top; y <= bottom; ++y) {
        const bool inside = x >= 0 && y >= 0 && x <= 1000 && y <= 700;
        const bool covered = inside && cells[x][y];
        any = any || covered;
        all = all && covered;
      }
    }
    return wanted ? all : any;
  };
  std::uint32_t state = 12345;
  const auto next = [&](int n) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
  };
  for (int round = 0; round < 400; ++round) {
    const int left = next(1100) - 50;
    const int top = next(800) - 50;
    const int right = left + next(round % 4 == 0 ? 200 : 70) - 2;
    const int bottom = top + next(round % 3 == 0 ? 200 : 40) - 2;
    ASSERT_EQ(grid.anyCovered(left, top, right, bottom), model(left, top, right, bottom, false))
        << left << "," << top << " " << right << "," << bottom;
    ASSERT_EQ(grid.allCovered(left, top, right, bottom), model(left, top, right, bottom, true))
        << left << "," << top << " " << right << "," << bottom;
    if (round % 5 == 0) {
      grid.mark(left, top, right, bottom);
      for (int x = std::max(left, 0); x <= std::min(right, 1000); ++x) {
        for (int y = std::max(top, 0); y <= std::min(bottom, 700); ++y) cells[x][y] = true;
      }
    }
  }
  for (int x = 0; x <= 1001; x += 7) {
    for (int y = 0; y <= 701; y += 3) {
      const bool inside = x <= 1000 && y <= 700;
      ASSERT_EQ(grid.covered(x, y), inside && cells[x][y]) << x << "," << y;
    }
  }
}

TEST(CheckBitMap, FirstFeatureIsNeverTested) {
  EngineFixture f;
  f.model->grid.mark(0, 0, 800, 600);
  f.model->state.featureCount = 0;
  StepContext ctx = f.ctx();
  EXPECT_TRUE(CheckBitMap(ctx, {10, 10, 50, 50}, 'R'));
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
    StepContext ctx = f.ctx();
    EXPECT_EQ(CheckBitMap(ctx, c.candidate, c.direction), c.fits)
        << "direction " << c.direction << " candidate " << c.candidate.left << ","
        << c.candidate.top;
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
