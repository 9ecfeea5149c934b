#include "cli/levels_run.h"

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_outputs.h"
#include "cli/cli_run.h"
#include "cli/level_options.h"
#include "dressing/report.h"
#include "dungeon/dungeon_json.h"
#include "dungeon/levels.h"
#include "dungeon/levels_key.h"
#include "export/foundry_levels.h"
#include "files/atomic_file.h"

namespace delvora {

namespace {

bool generateLevels(const CliOptions& options, DungeonLevels& levels, std::ostream& err) {
  const GenerateReport report =
      levels.generate(options.settings, options.settings.levels, audienceOf(options));
  for (const std::string& warning : report.warnings) {
    if (!warning.starts_with("warning")) err << "warning: ";
    err << warning << '\n';
  }
  if (!report.ok()) {
    err << report.error << '\n';
    return false;
  }
  if (report.stairsShortfall > 0) {
    err << "warning: placed " << options.settings.stairs - report.stairsShortfall << " of "
        << options.settings.stairs << " staircases on level 1\n";
  }
  for (const DeadEndMode mode : options.deadEnds) levels.cleanDeadEnds(mode);
  return true;
}

std::string writeText(const std::string& path, const std::string& bytes, std::string_view kind) {
  const std::string error = writeFileAtomically(path, bytes, Durability::Synced);
  return error.empty() ? "" : "Cannot write " + std::string(kind) + " file " + path + ": " + error;
}

// The report: one file with every level's key, or with kLevelField one file per level, each
// with the title and that level's key.
std::string writeReports(const std::string& path, const DungeonLevels& levels) {
  if (path.find(kLevelField) == std::string::npos) {
    return saveTextFile(path, textFileBytes(levelsReport(levels)));
  }
  std::string errors;
  for (int level = 1; level <= levels.count(); ++level) {
    std::vector<std::string> items{levels.level(1).settings().title + "\r\n"};
    const std::vector<std::string> key = levelKeyItems(levels, level);
    items.insert(items.end(), key.begin(), key.end());
    CliOptions named;
    named.reportPath = path;
    named = optionsForLevel(named, level);
    const std::string error = saveTextFile(named.reportPath, textFileBytes(items));
    if (!error.empty()) errors += (errors.empty() ? "" : "\n") + error;
  }
  return errors;
}

std::string replaced(std::string text, std::string_view field, const std::string& value) {
  for (std::size_t at = text.find(field); at != std::string::npos;
       at = text.find(field, at + value.size())) {
    text.replace(at, field.size(), value);
  }
  return text;
}

// The Foundry scenes (one with every level for v14, else one per level) and their pictures.
std::string writeFoundryLevels(const CliOptions& options, const DungeonLevels& levels) {
  const std::string& path = options.foundryPath;
  const bool stacked = options.foundryVersion >= kFoundryLevelsVersion;
  std::vector<std::string> scenePaths;
  std::vector<std::string> imagePaths;
  std::vector<std::string> sources;
  for (int level = 1; level <= levels.count(); ++level) {
    const std::string number = std::to_string(level);
    const std::string scenePath = replaced(path, kLevelField, number);
    if (!stacked || level == 1) scenePaths.push_back(scenePath);
    const std::string image =
        stacked ? foundryLevelImagePath(path, level) : foundryImagePath(scenePath);
    imagePaths.push_back(image);
    sources.push_back(options.foundryImageSource.empty()
                          ? "delvora/" + std::filesystem::path(image).filename().string()
                          : replaced(options.foundryImageSource, kLevelField, number));
  }
  const FoundryScene scene{options.settings.title, exportPxPerGrid(options), ""};
  const FoundryLevelsFiles files =
      foundryLevelsFiles(levels, audienceOf(options), scene, sources, options.foundryVersion);
  std::string errors;
  const auto note = [&errors](const std::string& error) {
    if (error.empty()) return;
    if (!errors.empty()) errors += '\n';
    errors += error;
  };
  for (std::size_t i = 0; i < files.images.size(); ++i) {
    const std::vector<std::uint8_t>& image = files.images[i];
    if (image.empty()) {
      note("Cannot write PNG file " + imagePaths[i] + ": the image is empty");
      continue;
    }
    const std::string error = writeFileAtomically(
        imagePaths[i], std::string_view(reinterpret_cast<const char*>(image.data()), image.size()),
        Durability::Unsynced);
    if (!error.empty()) note("Cannot write PNG file " + imagePaths[i] + ": " + error);
  }
  for (std::size_t i = 0; i < files.scenes.size(); ++i) {
    note(writeText(scenePaths[i], files.scenes[i], "JSON"));
  }
  return errors;
}

// The outputs that hold every level: the report, the JSON and the Foundry scenes.
bool writeAllLevels(const CliOptions& options, const DungeonLevels& levels, std::ostream& out,
                    std::ostream& err) {
  bool ok = true;
  const auto check = [&](const std::string& message) {
    if (message.empty()) return;
    err << message << '\n';
    ok = false;
  };
  if (!options.reportPath.empty()) check(writeReports(options.reportPath, levels));
  if (!options.foundryPath.empty()) check(writeFoundryLevels(options, levels));
  if (options.jsonPath == "-") {
    out << dungeonJson(levels) << std::flush;
    if (!out) check("Cannot write the JSON to standard output");
  } else if (!options.jsonPath.empty()) {
    check(writeText(options.jsonPath, dungeonJson(levels), "JSON"));
  }
  return ok;
}

}  // namespace

int runLevels(const CliOptions& options, std::ostream& out, std::ostream& err, bool errIsTerminal) {
  DungeonLevels levels;
  if (!generateLevels(options, levels, err)) return kExitFailure;
  bool ok = true;
  for (int level = 1; level <= levels.count(); ++level) {
    CliOptions own = optionsForLevel(options, level);
    own.reportPath.clear();  // with the stairs key: writeAllLevels
    ok = writeCliOutputs(own, levels.level(level), out, err, errIsTerminal) && ok;
  }
  ok = writeAllLevels(options, levels, out, err) && ok;
  return ok ? kExitOk : kExitFailure;
}

}  // namespace delvora
