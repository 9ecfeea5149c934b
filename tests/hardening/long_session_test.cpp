// A long evening at the table: "Generate" and closing the map window again and again in one
// process, as the map window does it (one model, one set of tables, one canvas for the life of
// the program). Memory must stay flat and no file stay open.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "dungeon/dungeon.h"
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
  // One dungeon for the whole session, as the map window keeps one.
  Dungeon dungeon;
  const int filesAtStart = testing::openFileCount();
  long peakEarly = 0;
  for (int n = 1; n <= kGenerations; ++n) {
    // Closing the map window empties the per-map lists; "Generate" builds anew.
    dungeon.close();
    const Settings settings = optionsFor(n, dressing.path().string());
    const GenerateReport report = dungeon.generate(settings);
    ASSERT_TRUE(report.ok()) << "generation " << n << ": " << report.error;
    ASSERT_EQ(dungeon.tables().FluffItems.entries.size(), 54u) << "generation " << n;
    if (n % 3 == 0) {
      dungeon.cleanDeadEnds(DeadEndMode::Some);
      dungeon.cleanDeadEnds(DeadEndMode::AFew);
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
