#include "dungeon/settings_json.h"

#include <cctype>
#include <string>

#include "dungeon/utf8_text.h"

namespace delvora {

namespace {

// A window caption as the command line spells the value: "Very Twisty" is "very-twisty".
std::string cliWord(const std::string& caption) {
  std::string word;
  for (const char c : caption) {
    word.push_back(c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return word;
}

nlohmann::ordered_json deadEndWords(const std::vector<DeadEndMode>& deadEnds) {
  nlohmann::ordered_json words = nlohmann::ordered_json::array();
  for (const DeadEndMode mode : deadEnds)
    words.push_back(mode == DeadEndMode::Some ? "some" : "few");
  return words;
}

}  // namespace

nlohmann::ordered_json settingsJson(const Settings& settings,
                                    const std::vector<DeadEndMode>& deadEnds) {
  nlohmann::ordered_json json = {
      {"seed", settings.seed},
      {"map-size", mapSizeText(settings.mapSizeIndex)},
      {"iterations", settings.iterations},
      {"room-size", cliWord(roomSizeCaption(settings.roomSize))},
      {"corridors", cliWord(corridorCaption(settings.corridorStyle))},
      {"stairs", settings.stairs},
      {"no-number-rooms", !settings.numberRooms},
      {"no-dressing", !settings.dressing},
      {"no-grid", !settings.drawGrid},
      {"river", settings.river},
      {"chasm", settings.chasm},
      {"no-background", !settings.showBackground},
      {"no-snap", !settings.snapToGrid},
      {"concealed", settings.concealedPercent},
      {"secret", settings.secretPercent},
      {"no-corridor-stairs", !settings.corridorStairs},
      {"dress-roll", settings.dressRoll},
      {"no-internal-dressing", !settings.useInternalDressing},
      {"dressing-dir", utf8Text(settings.dressingDir)},
      {"title", utf8Text(settings.title)},
      {"dead-ends", deadEndWords(deadEnds)},
  };
  // Written only when on, so that documents of maps without encounters stay as they were.
  if (settings.encounters) json["encounters"] = true;
  return json;
}

}  // namespace delvora
