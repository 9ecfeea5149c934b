// Every pair of option values of both option windows (a pairwise covering set) and random
// combinations with random seeds, on all four map sizes: each run, and the "Some" and "A Few"
// clean-ups after it, must end in well-formed records inside the map.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "dressing/edit_round_trip.h"
#include "dressing/hover_text.h"
#include "engine/dead_ends.h"
#include "render/raster_canvas.h"
#include "tests/hardening/run_watchdog.h"
#include "tests/support/dressing_invariants.h"
#include "tests/support/engine_invariants.h"
#include "tests/support/generated_dungeon.h"

namespace delvora {
namespace {

// The options and how many values each has on screen, in the order of kOptionValues.
enum Option {
  kMapSize,
  kIterations,
  kRoomSize,
  kCorridors,
  kStairs,
  kNumberRooms,
  kDressing,
  kGrid,
  kRiver,
  kChasm,
  kBackground,
  kSnap,
  kConcealed,
  kSecret,
  kCorridorStairs,
  kDressRoll,
  kInternal,
  kOptionCount
};
constexpr std::array<int, kOptionCount> kOptionValues = {4, 9, 4, 3,  11, 2, 2, 2, 2,
                                                         2, 2, 2, 21, 21, 2, 6, 2};
constexpr std::array<int, 9> kIterationValues = {100, 250, 500, 750, 1000, 1500, 2000, 2500, 3000};

// One combination: the index of each option's value.
using Row = std::array<int, kOptionCount>;

// The pairs of option values no row covers yet.
class UncoveredPairs {
 public:
  UncoveredPairs() {
    for (int a = 0; a < kOptionCount; ++a) {
      for (int b = a + 1; b < kOptionCount; ++b) {
        m_pairs[a][b].assign(static_cast<std::size_t>(kOptionValues[a] * kOptionValues[b]), true);
        m_left += kOptionValues[a] * kOptionValues[b];
      }
    }
  }
  int left() const { return m_left; }
  bool open(int a, int va, int b, int vb) const {
    if (a > b) return open(b, vb, a, va);
    return m_pairs[a][b][static_cast<std::size_t>(va * kOptionValues[b] + vb)];
  }
  void cover(const Row& row) {
    for (int a = 0; a < kOptionCount; ++a) {
      for (int b = a + 1; b < kOptionCount; ++b) {
        auto&& slot = m_pairs[a][b][static_cast<std::size_t>(row[a] * kOptionValues[b] + row[b])];
        if (slot) --m_left;
        slot = false;
      }
    }
  }
  // Starts a row with the first pair still open.
  Row firstOpenPair() const {
    Row row;
    row.fill(-1);
    for (int a = 0; a < kOptionCount; ++a) {
      for (int b = a + 1; b < kOptionCount; ++b) {
        for (int va = 0; va < kOptionValues[a]; ++va) {
          for (int vb = 0; vb < kOptionValues[b]; ++vb) {
            if (!open(a, va, b, vb)) continue;
            row[a] = va;
            row[b] = vb;
            return row;
          }
        }
      }
    }
    return row;
  }

 private:
  std::array<std::array<std::vector<bool>, kOptionCount>, kOptionCount> m_pairs;
  int m_left = 0;
};

// Greedy covering: each row starts from an open pair and gives every other option the value
// that closes the most open pairs with the options already set.
std::vector<Row> pairwiseRows() {
  UncoveredPairs pairs;
  std::vector<Row> rows;
  while (pairs.left() > 0) {
    Row row = pairs.firstOpenPair();
    for (int option = 0; option < kOptionCount; ++option) {
      if (row[option] >= 0) continue;
      int best = -1;
      int bestGain = -1;
      for (int n = 0; n < kOptionValues[option]; ++n) {
        // Rotating the first candidate spreads the values where gains tie.
        const int value = static_cast<int>((n + rows.size()) % kOptionValues[option]);
        int gain = 0;
        for (int other = 0; other < kOptionCount; ++other) {
          if (row[other] >= 0 && other != option)
            gain += pairs.open(option, value, other, row[other]);
        }
        if (gain > bestGain) {
          best = value;
          bestGain = gain;
        }
      }
      row[option] = best;
    }
    pairs.cover(row);
    rows.push_back(row);
  }
  return rows;
}

Settings settingsFor(const Row& row, std::uint32_t seed) {
  Settings s;
  s.seed = seed;
  s.mapSizeIndex = offeredMapSize(row[kMapSize]).value();
  s.iterations = kIterationValues[static_cast<std::size_t>(row[kIterations])];
  s.roomSize = static_cast<RoomSize>(row[kRoomSize]);
  s.corridorStyle = static_cast<CorridorStyle>(row[kCorridors] + 1);
  s.stairs = row[kStairs];
  s.numberRooms = row[kNumberRooms] == 0;
  // The options window unchecks and disables "Dressing" with "Number Rooms".
  s.dressing = s.numberRooms && row[kDressing] == 0;
  s.drawGrid = row[kGrid] == 0;
  s.river = row[kRiver] == 1;
  s.chasm = row[kChasm] == 1;
  s.showBackground = row[kBackground] == 0;
  s.snapToGrid = row[kSnap] == 0;
  s.concealedPercent = row[kConcealed];
  s.secretPercent = row[kSecret];
  s.corridorStairs = row[kCorridorStairs] == 0;
  s.dressRoll = row[kDressRoll] + 1;
  s.useInternalDressing = row[kInternal] == 0;
  s.dressingDir = "/nonexistent-delvora-dir";
  s.title = "Sweep";
  return s;
}

std::string describe(const Settings& s) {
  return "seed " + std::to_string(s.seed) + " size " + mapSizeText(s.mapSizeIndex) +
         " iterations " + std::to_string(s.iterations) + " room " +
         std::to_string(static_cast<int>(s.roomSize)) + " corridors " +
         std::to_string(static_cast<int>(s.corridorStyle)) + " stairs " + std::to_string(s.stairs) +
         " number " + std::to_string(s.numberRooms) + " dressing " + std::to_string(s.dressing) +
         " grid " + std::to_string(s.drawGrid) + " river " + std::to_string(s.river) + " chasm " +
         std::to_string(s.chasm) + " background " + std::to_string(s.showBackground) + " snap " +
         std::to_string(s.snapToGrid) + " concealed " + std::to_string(s.concealedPercent) +
         " secret " + std::to_string(s.secretPercent) + " corridor stairs " +
         std::to_string(s.corridorStairs) + " roll " + std::to_string(s.dressRoll) + " internal " +
         std::to_string(s.useInternalDressing);
}

// One "Generate" and the clean-ups after it, as the windows run them, with every check.
void sweepOne(const Settings& settings, testing::RunWatchdog& watchdog) {
  const std::string description = describe(settings);
  SCOPED_TRACE(description);
  watchdog.arm(description);
  RasterCanvas canvas;
  const auto run = testing::runOnCanvas(settings, canvas);
  const MapModel& model = *run->model;
  const DressingTables& tables = run->tables;
  const GenerateResult& result = run->result;
  ASSERT_TRUE(result.generated) << result.load.error;
  EXPECT_GE(result.run.stairsShortfall, 0);
  EXPECT_LE(result.run.stairsShortfall, settings.stairs);
  testing::checkEngineInvariants(model, settings, run->builtWalls);
  if (settings.dressing) testing::checkDressingRecords(model, tables, settings);
  if (!settings.numberRooms) {
    EXPECT_TRUE(model.lstFluff.empty());
  }

  StepContext ctx{*run->model, run->settings, canvas};
  for (const DeadEndMode mode : {DeadEndMode::Some, DeadEndMode::AFew}) {
    CleanDeadEnds(ctx, mode);
    testing::checkEngineInvariants(model, settings, {});
    if (settings.dressing) testing::checkDressingRecords(model, tables, settings);
  }
  // The read-outs the map window offers on what is left.
  for (const std::string& record : model.lstFluff) {
    const Rect r = parseRoomDressing(record).rect;
    EXPECT_TRUE(
        hoverText(model, tables, (r.left + r.right) / 2, (r.top + r.bottom) / 2).overFeature)
        << record;
  }
  EXPECT_EQ(buildEditingFile(model, tables, settings).size(), model.lstFluff.size() + 7);
  watchdog.disarm();
}

constexpr int kShards = 4;
constexpr auto kRunBound = std::chrono::seconds(120);

class PairwiseSweep : public ::testing::TestWithParam<int> {};

TEST(OptionSweep, PairwiseRowsCoverEveryPairOfValues) {
  const std::vector<Row> rows = pairwiseRows();
  // The two 21-value options alone need 441 rows; the greedy set should stay near that.
  EXPECT_GE(rows.size(), 441u);
  EXPECT_LE(rows.size(), 520u);
  for (int a = 0; a < kOptionCount; ++a) {
    for (int b = a + 1; b < kOptionCount; ++b) {
      for (int va = 0; va < kOptionValues[a]; ++va) {
        for (int vb = 0; vb < kOptionValues[b]; ++vb) {
          bool covered = false;
          for (const Row& row : rows) covered |= row[a] == va && row[b] == vb;
          ASSERT_TRUE(covered) << "options " << a << " and " << b << " values " << va << ", " << vb;
        }
      }
    }
  }
}

TEST_P(PairwiseSweep, EveryPairOfOptionValues) {
  const std::vector<Row> rows = pairwiseRows();
  testing::RunWatchdog watchdog(kRunBound);
  for (std::size_t i = static_cast<std::size_t>(GetParam()); i < rows.size(); i += kShards) {
    sweepOne(settingsFor(rows[i], static_cast<std::uint32_t>(2654435761u * (i + 1))), watchdog);
    if (HasFatalFailure()) return;
  }
}

// Random combinations: ASan and UBSan builds make fewer runs, each about ten times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomRunsPerShard = 150;
#else
constexpr int kRandomRunsPerShard = 600;
#endif

TEST_P(PairwiseSweep, RandomCombinationsAndSeeds) {
  RandomSource pick(0x5EED0000u + static_cast<std::uint32_t>(GetParam()));
  testing::RunWatchdog watchdog(kRunBound);
  for (int n = 0; n < kRandomRunsPerShard; ++n) {
    Row row;
    for (int option = 0; option < kOptionCount; ++option) {
      row[static_cast<std::size_t>(option)] =
          pick.Random(kOptionValues[static_cast<std::size_t>(option)]);
    }
    // Every map size in turn, whatever the draws.
    row[kMapSize] = n % 4;
    const auto seed = static_cast<std::uint32_t>(pick.Random(65536)) << 16 |
                      static_cast<std::uint32_t>(pick.Random(65536));
    sweepOne(settingsFor(row, seed), watchdog);
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, PairwiseSweep, ::testing::Range(0, kShards));

}  // namespace
}  // namespace delvora
