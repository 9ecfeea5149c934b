#include "dungeon/dungeon_json.h"

#include <nlohmann/json.hpp>

#include "dungeon/level_json.h"
#include "dungeon/settings_json.h"
#include "engine/dimensions.h"
#include "version/version.h"

namespace delvora {

std::string dungeonJson(const Dungeon& dungeon) {
  if (!dungeon.generated()) return "";
  return dungeonJson(
      DungeonJsonSource{dungeon.settings(), dungeon.model(), dungeon.tables(), dungeon.deadEnds()},
      buildVersion());
}

namespace {

using Json = nlohmann::ordered_json;

std::string documentText(const Json& document) {
  // Every text is UTF-8 already; a stray byte would still not stop the writing.
  std::string text = document.dump(2, ' ', false, Json::error_handler_t::replace);
  text += '\n';
  return text;
}

Json leadsTo(const DungeonLevels& levels, int level, std::size_t index) {
  const StairsLink* link = levels.linkOf(level, static_cast<int>(index));
  if (link == nullptr) return nullptr;
  const bool down = index % 2 == 0;
  return {{"level", down ? link->upper + 1 : link->upper},
          {"stairs", down ? link->upIndex : link->downIndex}};
}

Json linksJson(const DungeonLevels& levels) {
  Json links = Json::array();
  for (const StairsLink& link : levels.links()) {
    links.push_back({{"down", {{"level", link.upper}, {"stairs", link.downIndex}}},
                     {"up", {{"level", link.upper + 1}, {"stairs", link.upIndex}}},
                     {"pixels", {{"x", link.spot.x}, {"y", link.spot.y}}}});
  }
  return links;
}

}  // namespace

std::string dungeonJson(const DungeonLevels& levels) {
  if (levels.count() == 0) return "";
  if (levels.count() == 1) return dungeonJson(levels.level(1));
  const Dungeon& first = levels.level(1);
  Json settings = settingsJson(first.settings(), first.deadEnds());
  settings["levels"] = levels.count();
  Json all = Json::array();
  for (int number = 1; number <= levels.count(); ++number) {
    const Dungeon& dungeon = levels.level(number);
    Json level = levelJson(dungeon.model(), dungeon.tables(), number);
    level["seed"] = dungeon.settings().seed;
    Json& stairs = level["stairs"];
    for (std::size_t i = 0; i < stairs.size(); ++i)
      stairs[i]["leads_to"] = leadsTo(levels, number, i);
    all.push_back(std::move(level));
  }
  const Json document = {
      {"format", kDungeonFormat},     {"version", kDungeonFormatVersion},
      {"generator", buildVersion()}, {"seed", first.settings().seed},
      {"square_pixels", kGridSize},   {"settings", std::move(settings)},
      {"levels", std::move(all)},     {"links", linksJson(levels)},
  };
  return documentText(document);
}

std::string dungeonJson(const DungeonJsonSource& source, std::string_view generator) {
  const Json document = {
      {"format", kDungeonFormat},
      {"version", kDungeonFormatVersion},
      {"generator", generator},
      {"seed", source.settings.seed},
      {"square_pixels", kGridSize},
      {"settings", settingsJson(source.settings, source.deadEnds)},
      {"levels", Json::array({levelJson(source.model, source.tables, 1)})},
  };
  return documentText(document);
}

}  // namespace delvora
