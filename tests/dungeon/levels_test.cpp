#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include <nlohmann/json.hpp>

#include "dungeon/dungeon_json.h"
#include "dungeon/levels.h"
#include "dungeon/levels_key.h"
#include "engine/clusters.h"
#include "engine/model_dump.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/largest_settings.h"

namespace delvora {
namespace {

using testing::testSettings;

bool overlapsDoor(const MapModel& model, const Rect& s) {
  for (const std::string& record : model.lstDoors) {
    const Rect t = parseDoor(record).tile;
    if (t.left < s.right && s.left < t.right && t.top < s.bottom && s.top < t.bottom) return true;
  }
  return false;
}

// The tile lies on no door tile and within a room's or corridor's painted area, with margin pixels
// to spare (1: off the outline).
int doorHits = 0;
bool onFloor(const MapModel& model, const Rect& s, int margin) {
  if (overlapsDoor(model, s)) {
    ++doorHits;
    return false;
  }
  for (const std::string& record : model.lstWalls) {
    const Rect r = parseFeature(record).rect;
    if (s.left >= r.left + margin && s.top >= r.top + margin && s.right <= r.right - margin &&
        s.bottom <= r.bottom - margin) {
      return true;
    }
  }
  return false;
}

struct Stats {
  int levels = 0;
  int cutOff = 0;
  int firstLevelDownsOffFloor = 0;
  int firstLevelDowns = 0;
};

void checkLinked(const DungeonLevels& levels, Stats& stats) {
  for (int k = 1; k <= levels.count(); ++k) {
    SCOPED_TRACE(::testing::Message() << "level " << k);
    const MapModel& model = levels.level(k).model();
    ++stats.levels;
    if (k > 1 && clusterCount(model) > 1) ++stats.cutOff;
    for (std::size_t i = 0; i < model.lstStairs.size(); ++i) {
      const Rect s = parseStairs(model.lstStairs[i]);
      const bool down = i % 2 == 0;
      if (k == 1) {
        if (down) ++stats.firstLevelDowns;
        if (down && !onFloor(model, s, 0)) ++stats.firstLevelDownsOffFloor;
        continue;
      }
      // An up staircase lies off its landing's outline unless the level above has it against an
      // edge of the map.
      const bool offOutline = !down && s.left > 0 && s.top > 0 && s.right < model.state.mapWidth &&
                              s.bottom < model.state.mapHeight;
      EXPECT_TRUE(onFloor(model, s, offOutline ? 1 : 0)) << model.lstStairs[i] << " index " << i;
    }
    if (k == levels.count()) continue;
    const MapModel& below = levels.level(k + 1).model();
    const std::vector<StairsSpot> downs = downStairs(model);
    ASSERT_EQ(below.lstStairs.size(), 2 * downs.size());
    for (std::size_t i = 0; i < downs.size(); ++i) {
      const Rect up = parseStairs(below.lstStairs[2 * i + 1]);
      EXPECT_EQ(up.left, downs[i].x);
      EXPECT_EQ(up.top, downs[i].y);
      const StairsLink* link = levels.linkOf(k, static_cast<int>(2 * i));
      ASSERT_NE(link, nullptr);
      EXPECT_EQ(link, levels.linkOf(k + 1, static_cast<int>(2 * i + 1)));
    }
  }
}

TEST(Levels, StairsOfConsecutiveLevelsMeetOnFloorAcrossSeedsAndOptions) {
  Stats stats;
  const auto start = std::chrono::steady_clock::now();
  for (std::uint32_t n = 0; n < 120; ++n) {
    Settings settings;
    settings.seed = 7919u * n + 3u;
    settings.mapSizeIndex = static_cast<MapSizeIndex>(n % 4);
    settings.roomSize = static_cast<RoomSize>(n / 4 % 4);
    settings.corridorStyle = static_cast<CorridorStyle>(1 + n % 3);
    settings.iterations = 50 + static_cast<int>(n % 7) * 150;
    settings.stairs = 1 + static_cast<int>(n % 10);
    settings.river = n % 5 == 1;
    settings.chasm = n % 6 == 2;
    settings.snapToGrid = n % 4 != 3;
    settings.corridorStairs = n % 8 != 5;
    DungeonLevels levels;
    const GenerateReport report = levels.generate(testSettings(settings), 2 + n % 4);
    SCOPED_TRACE(::testing::Message() << "case " << n << " seed " << settings.seed);
    ASSERT_TRUE(report.ok()) << report.error;
    if (n % 3 == 0) levels.cleanDeadEnds(DeadEndMode::Some);
    if (n % 5 == 0) levels.cleanDeadEnds(DeadEndMode::AFew);
    checkLinked(levels, stats);
    if (HasFatalFailure()) return;
  }
  std::cout << "levels " << stats.levels << " cut off " << stats.cutOff << " level-1 downs "
            << stats.firstLevelDowns << " off floor " << stats.firstLevelDownsOffFloor << " in "
            << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
            << " s door " << doorHits << "\n";
}

TEST(Levels, FirstLevelIsTheSingleLevelDungeon) {
  Settings settings = testing::largestSettings();
  settings.seed = 9;
  const auto single = testing::makeDungeon(settings);
  DungeonLevels levels;
  ASSERT_TRUE(levels.generate(testSettings(settings), 3).ok());
  EXPECT_EQ(toString(levels.level(1).model()), toString(single->model()));
  EXPECT_TRUE(levels.level(1).picture() == single->picture());
  EXPECT_NE(levels.level(2).settings().seed, settings.seed);
}

TEST(Levels, JsonStairsAndKeyPointAtTheirPartners) {
  Settings settings;
  settings.seed = 21;
  settings.stairs = 3;
  DungeonLevels levels;
  ASSERT_TRUE(levels.generate(testSettings(settings), 3).ok());
  const auto document = nlohmann::json::parse(dungeonJson(levels));
  EXPECT_EQ(document["settings"]["levels"], 3);
  int linked = 0;
  for (const auto& level : document["levels"]) {
    const int number = level["level"];
    for (std::size_t i = 0; i < level["stairs"].size(); ++i) {
      const auto& stairs = level["stairs"][i];
      const std::string destination = stairsDestination(levels, number, i);
      if (stairs["leads_to"].is_null()) {
        EXPECT_TRUE(destination.find('(') != std::string::npos) << destination;
        continue;
      }
      ++linked;
      const int other = stairs["leads_to"]["level"];
      const std::size_t index = stairs["leads_to"]["stairs"];
      const auto& partner = document["levels"][other - 1]["stairs"][index];
      EXPECT_EQ(partner["pixels"], stairs["pixels"]);
      EXPECT_EQ(partner["leads_to"]["level"], number);
      EXPECT_EQ(partner["leads_to"]["stairs"], i);
      EXPECT_EQ(destination,
                std::string(i % 2 == 0 ? "Stairs down to level " : "Stairs up to level ") +
                    std::to_string(other));
    }
  }
  EXPECT_EQ(linked, 2 * static_cast<int>(document["links"].size()));
  EXPECT_EQ(document["links"].size(), 4u) << "two staircases down on each of levels 1 and 2";
}

TEST(Levels, NoStairsCannotJoinLevelsAndOneLevelNeedsNone) {
  EXPECT_FALSE(linkProblem(Settings{}, 2).empty());
  EXPECT_TRUE(linkProblem(Settings{}, 1).empty());
  DungeonLevels levels;
  const GenerateReport report = levels.generate(testSettings(Settings{}), 2);
  EXPECT_FALSE(report.ok());
  EXPECT_EQ(levels.count(), 0);
}

TEST(Levels, SeedsOfLevelsBelowFollowTheDocumentedRule) {
  EXPECT_EQ(levelSeed(9, 1), 9u);
  EXPECT_EQ(levelSeed(9, 2), mixSeed(9u + 0x9E3779B9u));
  EXPECT_EQ(levelSeed(9, 2), 2575006578u) << "the README's example";
  EXPECT_EQ(levelSeed(9, 3), 1759968645u);
  EXPECT_NE(levelSeed(10, 2), levelSeed(9, 2));
}

}  // namespace
}  // namespace delvora
