#include "cli/level_options.h"

#include <string_view>

#include "cli/output_paths.h"
#include "dungeon/foundry_names.h"
#include "dungeon/option_table.h"

namespace delvora {

namespace {

bool holdsLevel(const std::string& text) {
  return text.find(kLevelField) != std::string::npos;
}

// Outputs written once for each level: all but the report (every level in one file unless its
// name holds kLevelField), the JSON (always every level in one file) and the Foundry scene (one
// file for v14, one per level before).
bool perLevelOnly(std::string_view name) {
  return name != "report" && name != "export-json" && name != "export-foundry";
}

std::string typedName(const OptionRow& row, const std::vector<GivenOption>& given) {
  std::string typed = optionFlag(row);
  for (const GivenOption& option : given) {
    if (option.row == &row) typed = option.typedAs;
  }
  return typed;
}

// Foundry VTT v14 stacks every level in one scene; earlier releases get a scene per level.
std::string checkFoundryLevels(const CliOptions& options) {
  const std::string& path = options.foundryPath;
  if (path.empty()) return "";
  const bool stacked = options.foundryVersion >= kFoundryLevelsVersion;
  if (stacked && holdsLevel(path)) {
    return "--export-foundry writes one scene with every level for Foundry VTT v14; its name "
           "takes no " +
           std::string(kLevelField) + ", not \"" + path + "\"";
  }
  if (!stacked && !holdsLevel(path)) {
    return "--export-foundry needs " + std::string(kLevelField) +
           " in its file name with --levels above 1 and --foundry-version " +
           std::to_string(options.foundryVersion) + ", not \"" + path + "\"";
  }
  const std::string& image = options.foundryImageSource;
  if (!image.empty() && !holdsLevel(image)) {
    return "--foundry-image-path needs " + std::string(kLevelField) +
           " with --levels above 1 (each level has its picture), not \"" + image + "\"";
  }
  return "";
}

}  // namespace

std::string checkLevels(const CliOptions& options, const std::vector<GivenOption>& given) {
  const int levels = options.settings.levels;
  if (levels <= 1) return "";
  const std::string count = std::to_string(levels);
  if (options.settings.stairs < 1) {
    return "--levels " + count + " needs --stairs 1 or more: the levels are joined by staircases";
  }
  if (options.dumpPath == "-") {
    return "--dump - writes one level; with --levels " + count + " give a file name with " +
           kLevelField;
  }
  for (const OptionRow* row : outputFiles(options)) {
    const std::string path = row->read(options).text;
    if (row->name == "export-json" && holdsLevel(path)) {
      return "--export-json holds every level in one file; its name takes no " +
             std::string(kLevelField) + ", not \"" + path + "\"";
    }
    if (!perLevelOnly(row->name) || holdsLevel(path)) continue;
    return typedName(*row, given) + " needs " + kLevelField +
           " in its file name with --levels above 1, not \"" + path + "\"";
  }
  return checkFoundryLevels(options);
}

CliOptions optionsForLevel(const CliOptions& options, int level) {
  CliOptions one = options;
  one.settings.levels = 1;
  const std::string value = std::to_string(level);
  for (const OptionRow* row : outputFiles(one)) {
    OptionValue path = row->read(one);
    const bool everyLevel = row->name == "export-json" || row->name == "export-foundry" ||
                            (!holdsLevel(path.text) && !perLevelOnly(row->name));
    if (everyLevel) {
      path.text.clear();
    } else {
      replaceAll(path.text, kLevelField, value);
    }
    row->store(one, path);
  }
  replaceAll(one.foundryImageSource, kLevelField, value);
  return one;
}

}  // namespace delvora
