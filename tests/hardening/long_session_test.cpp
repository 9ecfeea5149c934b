// A long evening at the table: "Generate" and closing the map window again and again in one
// process, as the map window does it (one model, one set of tables, one canvas for the life of
// the program). Memory must stay flat and no file stay open.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "dressing/generate.h"
#include "engine/dead_ends.h"
#include "render/raster_canvas.h"
#include "tests/hardening/session_resources.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

// Sanitizer builds are about ten times slower; their leak check at exit covers the rest.
constexpr int kGenerations = testing::kAddressSanitizer ? 1000 : 10000;
constexpr int kEarly = 100;

// The options of generation n: a cycle of ten that the first hundred already go through.
Settings optionsFor(int n, const std::string& dressingDir) {
  Settings s;
  s.seed = 66205318u + 7919u * static_cast<std::uint32_t>(n);
  s.river = n % 2 == 0;
  s.chasm = n % 5 == 0;
  s.stairs = n % 10;
  s.dressing = n % 10 != 3;
  s.iterations = n % 10 == 9 ? 1000 : 250;
  s.dressingDir = dressingDir;
  return s;
}

TEST(LongSession, TenThousandGenerationsKeepMemoryFlat) {
  testing::ScratchDir dressing;
  testing::writeBytes(dressing.file("Items.txt"), "A dusty lantern\r\nA broken key\r\n");
  auto model = std::make_unique<MapModel>();
  DressingTables tables;
  RasterCanvas canvas;
  const int filesAtStart = testing::openFileCount();
  long peakEarly = 0;
  for (int n = 1; n <= kGenerations; ++n) {
    // Closing the map window empties the per-map lists; "Generate" builds anew.
    model->clearMapLists();
    const Settings settings = optionsFor(n, dressing.path().string());
    const GenerateResult result = generateDungeon(*model, settings, tables, canvas);
    ASSERT_TRUE(result.generated) << "generation " << n << ": " << result.load.error;
    ASSERT_EQ(tables.FluffItems.entries.size(), 54u) << "generation " << n;
    if (n % 3 == 0) {
      StepContext ctx{*model, settings, canvas};
      CleanDeadEnds(ctx, DeadEndMode::Some);
      CleanDeadEnds(ctx, DeadEndMode::AFew);
    }
    if (n == kEarly) peakEarly = testing::peakResidentKb();
  }
  const long peakLate = testing::peakResidentKb();
  std::printf("peak resident memory: %ld kB after %d generations, %ld kB after %d\n", peakEarly,
              kEarly, peakLate, kGenerations);
  RecordProperty("PeakKbAt100", std::to_string(peakEarly));
  RecordProperty("PeakKbAtEnd", std::to_string(peakLate));
  EXPECT_EQ(testing::openFileCount(), filesAtStart);
  ASSERT_GT(peakEarly, 0);
  if (!testing::kAddressSanitizer) {
    // Flat: a growth of 1 kB a generation would add 10 MB.
    EXPECT_LE(peakLate, peakEarly + peakEarly / 10 + 4096)
        << "early " << peakEarly << " kB, late " << peakLate << " kB";
  }
}

}  // namespace
}  // namespace delvora
