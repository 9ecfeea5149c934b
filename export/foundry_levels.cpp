#include "export/foundry_levels.h"

#include <cmath>
#include <filesystem>

#include "dungeon/levels_key.h"
#include "export/json_file.h"

namespace delvora {

namespace {

using nlohmann::json;

// Feet of elevation a level takes; level 1 stands on 0, each level below 10 ft lower.
constexpr int kLevelHeight = 10;
// Region colours: the staircases of one level, and the joins between two.
constexpr const char* kStairsColor = "#8a5a00";
constexpr const char* kChangeLevelColor = "#0060c0";

// Foundry's document ids are 16 letters and digits; these stay the same from one export to the
// next so that a scene imported again replaces its parts.
std::string documentId(const std::string& prefix, int number) {
  std::string digits = std::to_string(number % 10000);
  digits.insert(0, 4 - digits.size(), '0');
  return prefix + digits;
}

std::string levelId(int level) {
  return documentId("delvoraLevel", level);
}

long imagePixels(int mapPixels, int pxPerGrid) {
  return std::lround(static_cast<double>(mapPixels) * pxPerGrid / kGridSize);
}

json rectangleShape(const Rect& r, int px) {
  return {{"type", "rectangle"},
          {"x", imagePixels(r.left, px)},
          {"y", imagePixels(r.top, px)},
          {"width", imagePixels(r.right - r.left, px)},
          {"height", imagePixels(r.bottom - r.top, px)},
          {"rotation", 0},
          {"hole", false}};
}

json region(const std::string& name, const char* color, const Rect& square, int px) {
  return {{"name", name},
          {"color", color},
          {"shapes", json::array({rectangleShape(square, px)})},
          {"behaviors", json::array()},
          {"visibility", 0},
          {"locked", false}};
}

std::string levelTitle(const FoundryScene& scene, int level) {
  const std::string name = scene.title.empty() ? std::string("Delvora dungeon") : scene.title;
  return name + " - Level " + std::to_string(level);
}

// One scene per level (v12, v13): each staircase marked by a region named after where it leads.
FoundryLevelsFiles sceneEachLevel(const DungeonLevels& levels, Audience audience,
                                  const FoundryScene& scene,
                                  const std::vector<std::string>& sources) {
  FoundryLevelsFiles files;
  for (int level = 1; level <= levels.count(); ++level) {
    FoundryScene own = scene;
    own.title = levelTitle(scene, level);
    own.backgroundSource = sources.at(static_cast<std::size_t>(level - 1));
    FoundryFiles one = foundryFiles(levels.level(level), audience, own);
    json document = json::parse(one.scene);
    json regions = json::array();
    const MapModel& model = levels.level(level).model();
    for (std::size_t i = 0; i < model.lstStairs.size(); ++i) {
      regions.push_back(region(stairsDestination(levels, level, i), kStairsColor,
                               parseStairs(model.lstStairs[i]), scene.pxPerGrid));
    }
    document["regions"] = std::move(regions);
    files.scenes.push_back(jsonText(document));
    files.images.push_back(std::move(one.image));
  }
  return files;
}

json levelDocument(int level, const std::string& source) {
  const int bottom = -kLevelHeight * (level - 1);
  return {{"_id", levelId(level)},
          {"name", "Level " + std::to_string(level)},
          {"elevation", {{"bottom", bottom}, {"top", bottom + kLevelHeight}}},
          {"background", {{"src", source}}},
          {"sort", level}};
}

// A "Change Level" region over a linked pair: a token stepping on it is offered the other level.
json changeLevelRegion(const StairsLink& link, int number, int px) {
  json join =
      region("Stairs between level " + std::to_string(link.upper) + " and level " +
                 std::to_string(link.upper + 1),
             kChangeLevelColor,
             {link.spot.x, link.spot.y, link.spot.x + kStairsSize, link.spot.y + kStairsSize}, px);
  join["_id"] = documentId("delvoraStair", number);
  join["levels"] = {levelId(link.upper), levelId(link.upper + 1)};
  join["behaviors"] = json::array({{{"_id", documentId("delvoraClimb", number)},
                                    {"name", "Change Level"},
                                    {"type", "changeLevel"},
                                    {"system", {{"movementActions", json::array()}}},
                                    {"disabled", false}}});
  return join;
}

// One scene holding every level (v14).
FoundryLevelsFiles sceneOfLevels(const DungeonLevels& levels, Audience audience,
                                 const FoundryScene& scene,
                                 const std::vector<std::string>& sources) {
  FoundryLevelsFiles files;
  json document;
  json levelDocuments = json::array();
  json walls = json::array();
  for (int level = 1; level <= levels.count(); ++level) {
    const std::string& source = sources.at(static_cast<std::size_t>(level - 1));
    FoundryScene own = scene;
    own.backgroundSource = source;
    FoundryFiles one = foundryFiles(levels.level(level), audience, own);
    json single = json::parse(one.scene);
    if (level == 1) {
      document = single;
      document.erase("background");
      document.erase("walls");
    }
    for (json& wall : single["walls"]) {
      wall["levels"] = {levelId(level)};
      walls.push_back(std::move(wall));
    }
    levelDocuments.push_back(levelDocument(level, source));
    files.images.push_back(std::move(one.image));
  }
  json regions = json::array();
  int number = 1;
  for (const StairsLink& link : levels.links()) {
    regions.push_back(changeLevelRegion(link, number++, scene.pxPerGrid));
  }
  document["levels"] = std::move(levelDocuments);
  document["walls"] = std::move(walls);
  document["regions"] = std::move(regions);
  files.scenes.push_back(jsonText(document));
  return files;
}

}  // namespace

std::string foundryLevelImagePath(const std::string& scenePath, int level) {
  std::filesystem::path image(scenePath);
  const std::string suffix = "-level-" + std::to_string(level) + ".png";
  if (image.extension() == ".json") return image.replace_extension().string() + suffix;
  return scenePath + suffix;
}

FoundryLevelsFiles foundryLevelsFiles(const DungeonLevels& levels, Audience audience,
                                      const FoundryScene& scene,
                                      const std::vector<std::string>& backgroundSources,
                                      int version) {
  if (version >= kFoundryLevelsVersion) {
    return sceneOfLevels(levels, audience, scene, backgroundSources);
  }
  return sceneEachLevel(levels, audience, scene, backgroundSources);
}

}  // namespace delvora
