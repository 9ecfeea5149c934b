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

std::string dungeonJson(const DungeonJsonSource& source, std::string_view generator) {
  using Json = nlohmann::ordered_json;
  const Json document = {
      {"format", kDungeonFormat},
      {"version", kDungeonFormatVersion},
      {"generator", generator},
      {"seed", source.settings.seed},
      {"square_pixels", kGridSize},
      {"settings", settingsJson(source.settings, source.deadEnds)},
      {"levels", Json::array({levelJson(source.model, source.tables, 1)})},
  };
  // Every text is UTF-8 already; a stray byte would still not stop the writing.
  std::string text = document.dump(2, ' ', false, Json::error_handler_t::replace);
  text += '\n';
  return text;
}

}  // namespace delvora
