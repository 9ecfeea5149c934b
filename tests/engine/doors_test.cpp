#include <gtest/gtest.h>

#include <string>

#include "engine/steps.h"
#include "tests/support/engine_fixture.h"

namespace delvora {
namespace {

using testing::drawsBetween;
using testing::EngineFixture;

// The kind of every roll 0..99 as one string, for comparing whole bands at once.
std::string bands(int concealed, int secret) {
  std::string kinds;
  for (int r = 0; r < 100; ++r) kinds += doorKindForRoll(r, false, concealed, secret);
  return kinds;
}

std::string run(char kind, int count) {
  return std::string(static_cast<std::size_t>(count), kind);
}

TEST(Doors, KindBandsFollowPercentages) {
  struct Case {
    int concealed;
    int secret;
    std::string expected;
  };
  const Case cases[] = {
      {13, 3, run('A', 30) + run('N', 54) + run('C', 14) + run('S', 2)},
      {0, 0, run('A', 30) + run('N', 70)},
      {13, 1, run('A', 30) + run('N', 56) + run('C', 14)},
      {20, 20, run('A', 30) + run('N', 30) + run('S', 21) + run('C', 19)},
      {0, 5, run('A', 30) + run('N', 65) + run('S', 5)},
      {5, 0, run('A', 30) + run('N', 65) + run('C', 5)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bands(c.concealed, c.secret), c.expected)
        << "concealed " << c.concealed << " secret " << c.secret;
  }
}

TEST(Doors, ForcedCallDrawsAndMakesAnArchway) {
  EngineFixture f;
  f.model->random.setState(5);
  StepContext ctx = f.ctx();
  AddDoor(ctx, {.x = 98, .y = 120, .orientation = 'V', .forcedArchway = true});
  EXPECT_EQ(drawsBetween(5, f.model->random.state()), 1);
  ASSERT_EQ(f.model->lstDoors.size(), 1u);
  EXPECT_EQ(f.model->lstDoors[0], "0098012001050134VA");
  ASSERT_EQ(f.canvas.tiles.size(), 1u);
  EXPECT_EQ(f.canvas.tiles[0].tile, Tile::VArch);
}

TEST(Doors, CorridorCrossingRollsAgainAndMostlyOpens) {
  int archways = 0;
  for (std::uint32_t seed = 0; seed < 400; ++seed) {
    EngineFixture f;
    f.model->random.setState(seed);
    StepContext ctx = f.ctx();
    AddDoor(ctx, {.x = 100, .y = 62, .orientation = 'H', .corridorCrossing = true});
    ASSERT_EQ(drawsBetween(seed, f.model->random.state()), 2);
    const DoorRecord door = parseDoor(f.model->lstDoors[0]);
    EXPECT_EQ(door.tile, (Rect{100, 62, 114, 69}));
    EXPECT_EQ(door.orientation, 'H');
    if (door.kind == 'A') ++archways;
  }
  EXPECT_GE(archways, 360) << "at least 90 % of corridor crossings are archways";
}

TEST(Doors, OnlyCorridorsJoiningCrosswiseRollTwice) {
  const struct {
    FeatureType built;
    FeatureType owner;
    bool crossing;
  } cases[] = {
      {FeatureType::VerticalCorridor, FeatureType::HorizontalCorridor, true},
      {FeatureType::HorizontalCorridor, FeatureType::VerticalCorridor, true},
      {FeatureType::Room, FeatureType::VerticalCorridor, false},
      {FeatureType::HorizontalCorridor, FeatureType::HorizontalCorridor, false},
      {FeatureType::VerticalCorridor, FeatureType::RoundRoom, false},
  };
  for (const auto& c : cases) {
    EngineState state;
    state.lastFeatureType = c.built;
    state.lastWallOwnerType = c.owner;
    EXPECT_EQ(state.lastAttemptJoinsCorridors(), c.crossing)
        << static_cast<int>(c.built) << " on " << static_cast<int>(c.owner);
  }
}

TEST(Doors, PlainDoorMakesOneDrawAndLeavesTheGrid) {
  EngineFixture f;
  f.model->random.setState(9);
  StepContext ctx = f.ctx();
  AddDoor(ctx, {.x = 300, .y = 298, .orientation = 'H'});
  EXPECT_EQ(drawsBetween(9, f.model->random.state()), 1);
  EXPECT_FALSE(f.model->grid.anyCovered(0, 0, 800, 600));
}

}  // namespace
}  // namespace delvora
