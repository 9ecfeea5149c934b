#include <gtest/gtest.h>

#include <map>
#include <set>

#include <nlohmann/json.hpp>

#include "export/foundry_levels.h"
#include "tests/support/generated_dungeon.h"

namespace delvora {
namespace {

using nlohmann::json;

struct ThreeLevels {
  ThreeLevels() {
    Settings settings;
    settings.seed = 9;
    settings.stairs = 5;
    EXPECT_TRUE(levels.generate(testing::testSettings(settings), 3).ok());
  }
  FoundryLevelsFiles files(int version) const {
    return foundryLevelsFiles(levels, Audience::GameMaster, {"Keep", 50, ""},
                              {"a/1.png", "a/2.png", "a/3.png"}, version);
  }
  DungeonLevels levels;
};

TEST(FoundryLevels, OneSceneStacksTheLevelsAndJoinsEveryPairOfStairs) {
  const ThreeLevels three;
  const FoundryLevelsFiles files = three.files(14);
  ASSERT_EQ(files.scenes.size(), 1u);
  ASSERT_EQ(files.images.size(), 3u);
  const json scene = json::parse(files.scenes[0]);
  EXPECT_FALSE(scene.contains("background")) << "each level has its own picture";
  std::map<std::string, int> levelOfId;
  for (const json& level : scene["levels"]) {
    const int number = level["sort"];
    levelOfId[level["_id"]] = number;
    EXPECT_EQ(level["background"]["src"], "a/" + std::to_string(number) + ".png");
    EXPECT_EQ(level["elevation"]["top"].get<int>() - level["elevation"]["bottom"].get<int>(), 10);
  }
  ASSERT_EQ(levelOfId.size(), 3u);
  std::set<std::string> wallLevels;
  for (const json& wall : scene["walls"]) {
    ASSERT_EQ(wall["levels"].size(), 1u);
    wallLevels.insert(wall["levels"][0].get<std::string>());
  }
  EXPECT_EQ(wallLevels.size(), 3u) << "every level has walls, each wall one level";

  const std::vector<StairsLink>& links = three.levels.links();
  ASSERT_EQ(scene["regions"].size(), links.size());
  ASSERT_EQ(links.size(), 6u) << "three staircases down on each of levels 1 and 2";
  for (std::size_t i = 0; i < links.size(); ++i) {
    const json& region = scene["regions"][i];
    ASSERT_EQ(region["levels"].size(), 2u);
    EXPECT_EQ(levelOfId.at(region["levels"][0]), links[i].upper);
    EXPECT_EQ(levelOfId.at(region["levels"][1]), links[i].upper + 1);
    EXPECT_EQ(region["behaviors"][0]["type"], "changeLevel");
    const json& shape = region["shapes"][0];
    EXPECT_NEAR(shape["x"].get<double>(), links[i].spot.x * 50 / 16.0, 0.5);
    EXPECT_NEAR(shape["y"].get<double>(), links[i].spot.y * 50 / 16.0, 0.5);
    // The partner staircases stand where the region is on both levels.
    const Rect down =
        parseStairs(three.levels.level(links[i].upper).model().lstStairs[links[i].downIndex]);
    const Rect up =
        parseStairs(three.levels.level(links[i].upper + 1).model().lstStairs[links[i].upIndex]);
    EXPECT_EQ(down, up);
  }
}

TEST(FoundryLevels, OlderReleasesGetASceneEachWithItsStaircasesMarked) {
  const ThreeLevels three;
  const FoundryLevelsFiles files = three.files(13);
  ASSERT_EQ(files.scenes.size(), 3u);
  for (int level = 1; level <= 3; ++level) {
    const json scene = json::parse(files.scenes[static_cast<std::size_t>(level - 1)]);
    EXPECT_EQ(scene["name"], "Keep - Level " + std::to_string(level));
    EXPECT_EQ(scene["background"]["src"], "a/" + std::to_string(level) + ".png");
    const MapModel& model = three.levels.level(level).model();
    ASSERT_EQ(scene["regions"].size(), model.lstStairs.size());
    EXPECT_EQ(scene["regions"][0]["name"],
              level < 3 ? "Stairs down to level " + std::to_string(level + 1)
                        : std::string("Stairs down (deeper than the levels made)"));
    EXPECT_EQ(scene["regions"][1]["name"], level > 1
                                               ? "Stairs up to level " + std::to_string(level - 1)
                                               : std::string("Stairs up (out of the dungeon)"));
  }
}

TEST(FoundryLevels, LevelPicturesAreNamedAfterTheScene) {
  EXPECT_EQ(foundryLevelImagePath("out/keep.json", 2), "out/keep-level-2.png");
  EXPECT_EQ(foundryLevelImagePath("keep", 10), "keep-level-10.png");
}

}  // namespace
}  // namespace delvora
