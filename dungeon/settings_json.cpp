#include "dungeon/settings_json.h"

#include "dungeon/option_table.h"
#include "dungeon/run_options.h"
#include "dungeon/utf8_text.h"

namespace delvora {

nlohmann::ordered_json settingsJson(const Settings& settings,
                                    const std::vector<DeadEndMode>& deadEnds) {
  RunOptions options;
  options.settings = settings;
  options.deadEnds = deadEnds;
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (const OptionRow& row : optionTable()) {
    if (!row.shapesDungeon) continue;
    const OptionValue value = row.read(options);
    nlohmann::ordered_json& field = json[std::string(row.name)];
    switch (row.kind) {
      case ValueKind::Flag:
        field = value.number != 0;
        break;
      case ValueKind::Integer:
        field = value.number;
        break;
      case ValueKind::Choice:
        field = optionValueText(row, value);
        break;
      case ValueKind::Text:
      case ValueKind::File:
      case ValueKind::Directory:
        field = utf8Text(value.text);
        break;
    }
  }
  return json;
}

}  // namespace delvora
