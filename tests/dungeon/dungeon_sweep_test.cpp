#include <gtest/gtest.h>

#include <memory>

#include "engine/dead_ends.h"
#include "tests/support/dressing_invariants.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/recording_canvas.h"

namespace delvora {
namespace {

using testing::checkDressingRecords;
using testing::RecordingCanvas;

TEST(DungeonSweep, DressingMatchesTheRoomsAcrossSeeds) {
  const CorridorStyle styles[] = {CorridorStyle::Straight, CorridorStyle::Twisty,
                                  CorridorStyle::VeryTwisty};
  for (std::uint32_t n = 0; n < 200; ++n) {
    Settings settings;
    settings.seed = 1000003u * n + 17u;
    settings.mapSizeIndex = offeredMapSize(static_cast<int>(n % 4)).value();
    settings.roomSize = static_cast<RoomSize>(n % 4);
    settings.corridorStyle = styles[n % 3];
    settings.iterations = 100 + static_cast<int>(n % 5) * 400;
    settings.dressRoll = 1 + static_cast<int>(n % 6);
    settings.useInternalDressing = n % 9 != 0;
    settings.stairs = static_cast<int>(n % 4);
    RecordingCanvas canvas;
    const auto dungeon = testing::runOnCanvas(settings, canvas);
    const MapModel& model = *dungeon->model;
    ASSERT_TRUE(dungeon->result.generated) << dungeon->result.load.error;
    SCOPED_TRACE(::testing::Message() << "case " << n);
    checkDressingRecords(model, dungeon->tables, settings);
    ASSERT_EQ(canvas.texts.size(), model.lstFluff.size());

    // Clean-ups only ever take dressing away, one removed door at a time.
    const std::size_t doorDress = model.lstDoorDress.size();
    StepContext ctx{*dungeon->model, dungeon->settings, canvas};
    CleanDeadEnds(ctx, DeadEndMode::Some);
    CleanDeadEnds(ctx, DeadEndMode::AFew);
    EXPECT_LE(model.lstDoorDress.size(), doorDress);
    checkDressingRecords(model, dungeon->tables, settings);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace delvora
