// The dungeon every surface uses: its pictures for both audiences, the clean-ups on them, the
// dressing read from a folder or from memory, and a dungeon made again in the same object.
#include "dungeon/dungeon.h"

#include <gtest/gtest.h>

#include <fstream>

#include "dressing/report.h"
#include "engine/model_dump.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

using testing::makeDungeon;
using testing::testSettings;

Settings stairsAndRiver(std::uint32_t seed) {
  Settings settings;
  settings.seed = seed;
  settings.stairs = 4;
  settings.river = true;
  settings.chasm = seed % 2 == 0;
  settings.dressRoll = 3;
  return settings;
}

std::string report(const Dungeon& dungeon) {
  return textFileBytes(
      buildDressingReport(dungeon.model(), dungeon.tables(), dungeon.settings().title));
}

TEST(Dungeon, PlayersPictureMadeOnDemandEqualsOneDrawnForPlayers) {
  const std::vector<DeadEndMode> before = {DeadEndMode::Some};
  for (const std::uint32_t seed : {7u, 41u, 66205318u}) {
    const Settings settings = stairsAndRiver(seed);
    const auto master = makeDungeon(settings, {.deadEnds = before});
    const auto players = makeDungeon(settings, {.playerMap = true, .deadEnds = before});
    EXPECT_EQ(master->drawnFor(), Audience::GameMaster);
    EXPECT_FALSE(master->picture(Audience::Players) == master->picture()) << seed;
    EXPECT_TRUE(master->picture(Audience::Players) == players->picture()) << seed;
    EXPECT_TRUE(players->picture(Audience::GameMaster) == master->picture()) << seed;
    // The same dungeon whoever it is drawn for.
    EXPECT_EQ(toString(master->model()), toString(players->model())) << seed;
    EXPECT_EQ(report(*master), report(*players)) << seed;

    // A clean-up after both pictures exist reaches both.
    master->cleanDeadEnds(DeadEndMode::AFew);
    const auto cleaned = makeDungeon(
        settings, {.playerMap = true, .deadEnds = {DeadEndMode::Some, DeadEndMode::AFew}});
    EXPECT_TRUE(master->picture(Audience::Players) == cleaned->picture()) << seed;
    EXPECT_EQ(master->deadEnds().size(), 2u);
  }
}

TEST(Dungeon, DressingFromMemoryEqualsTheSameFilesInAFolder) {
  const testing::ScratchDir dir;
  const std::vector<NamedBytes> files = {
      {"items.TXT", "Wet rope\r\nA bent nail\n/* a comment\nChalk\n"},
      {"Sounds.txt", "Dripping\nA distant gong"},
      // The exact name wins over another spelling of it.
      {"SOUNDS.txt", "never read"},
      {"Notes.txt", "not a dressing file"}};
  for (const NamedBytes& file : files) std::ofstream(dir.file(file.name)) << file.bytes;
  Settings settings = stairsAndRiver(12345);
  settings.dressRoll = 6;
  settings.dressingDir = dir.path().string();

  Dungeon fromFolder;
  ASSERT_TRUE(fromFolder.generate(settings).ok());
  Dungeon fromMemory;
  ASSERT_TRUE(fromMemory.generate(settings, DressingSource::fromFiles(files)).ok());
  EXPECT_EQ(toString(fromMemory.model()), toString(fromFolder.model()));
  EXPECT_EQ(report(fromMemory), report(fromFolder));
  EXPECT_TRUE(fromMemory.picture() == fromFolder.picture());
  EXPECT_EQ(fromMemory.tables().FluffSounds.entries.back(), "A distant gong");
  EXPECT_EQ(fromMemory.tables().FluffItems.entries.back(), "Chalk");
}

TEST(Dungeon, FailedLoadLeavesNoDungeon) {
  const testing::ScratchDir dir;
  std::filesystem::create_symlink(dir.path() / "nowhere", dir.path() / "Traps.txt");
  Dungeon dungeon;
  ASSERT_TRUE(dungeon.generate(testSettings(Settings{})).ok());
  Settings broken;
  broken.dressingDir = dir.path().string();
  const GenerateReport report = dungeon.generate(broken);
  EXPECT_EQ(report.error, "Cannot open file " + dir.file("Traps.txt"));
  EXPECT_FALSE(dungeon.generated());
  EXPECT_TRUE(dungeon.model().lstWalls.empty());
  // Nothing to clean up and no second picture to make.
  dungeon.cleanDeadEnds(DeadEndMode::Some);
  EXPECT_TRUE(dungeon.deadEnds().empty());
  EXPECT_TRUE(dungeon.picture(Audience::Players) == dungeon.picture());
}

// The dump without the dead-end candidates, which the last clean-up leaves behind (the map
// window's hidden list is never emptied).
std::string withoutCandidates(const MapModel& model) {
  const std::string dump = toString(model);
  const std::size_t from = dump.find("[lstEligable]\n");
  const std::size_t to = dump.find("[state]");
  return dump.substr(0, from) + dump.substr(to);
}

TEST(Dungeon, GeneratingAgainInOneObjectEqualsAFreshOne) {
  // The map window keeps one dungeon for the life of the program; the command line makes a new
  // one for every map.
  Dungeon reused;
  Settings first = testSettings(stairsAndRiver(3));
  first.mapSizeIndex = MapSizeIndex::Size1280x1024;
  first.corridorStyle = CorridorStyle::VeryTwisty;
  ASSERT_TRUE(reused.generate(first).ok());
  reused.cleanDeadEnds(DeadEndMode::AFew);
  for (const std::uint32_t seed : {4u, 5u}) {
    const Settings settings = testSettings(stairsAndRiver(seed));
    ASSERT_TRUE(reused.generate(settings, Audience::Players).ok());
    const auto fresh = makeDungeon(settings, {.playerMap = true});
    EXPECT_EQ(withoutCandidates(reused.model()), withoutCandidates(fresh->model())) << seed;
    EXPECT_TRUE(reused.picture() == fresh->picture()) << seed;
    EXPECT_TRUE(reused.deadEnds().empty());
    EXPECT_EQ(reused.model().riverCourse, fresh->model().riverCourse) << seed;
    EXPECT_EQ(reused.model().chasmCourse, fresh->model().chasmCourse) << seed;
  }
}

// A clean-up redraws the river and the chasm from the state saved before them: the same
// courses, and the random state ends where the generation left it.
TEST(Dungeon, CleanUpsRedrawTheBandsAlongTheSameCourses) {
  for (const std::uint32_t seed : {8u, 12u}) {
    const auto dungeon = makeDungeon(stairsAndRiver(seed));
    const MapModel& model = dungeon->model();
    const std::vector<CoursePoint> river = model.riverCourse;
    const std::vector<CoursePoint> chasm = model.chasmCourse;
    const std::uint32_t state = model.random.state();
    ASSERT_GT(river.size(), 1u) << seed;
    ASSERT_GT(chasm.size(), 1u) << seed;
    for (const DeadEndMode mode : {DeadEndMode::Some, DeadEndMode::AFew}) {
      dungeon->cleanDeadEnds(mode);
      EXPECT_EQ(model.riverCourse, river) << seed;
      EXPECT_EQ(model.chasmCourse, chasm) << seed;
      EXPECT_EQ(model.random.state(), state) << seed;
    }
  }
}

}  // namespace
}  // namespace delvora
