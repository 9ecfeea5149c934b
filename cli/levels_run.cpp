#include "cli/levels_run.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_exports.h"
#include "cli/cli_outputs.h"
#include "cli/cli_run.h"
#include "cli/level_options.h"
#include "dressing/report.h"
#include "dungeon/dungeon_json.h"
#include "dungeon/levels.h"
#include "dungeon/levels_key.h"
#include "export/foundry_journal.h"
#include "export/foundry_levels.h"
#include "files/atomic_file.h"

namespace delvora {

namespace {

bool generateLevels(const CliOptions& options, DungeonLevels& levels, std::ostream& err) {
  const GenerateReport report =
      levels.generate(options.settings, options.settings.levels, audienceOf(options));
  if (!reportGeneration(report, options.settings.stairs, " on level 1", err)) return false;
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

// Each level's options: its own file names, without the files every level shares.
CliOptions ownOptions(const CliOptions& options, int level) {
  CliOptions own = optionsForLevel(options, level);
  own.reportPath.clear();  // with the stairs key: writeAllLevels
  // The level's journal has a page for its staircases, which needs every level.
  own.journalPath.clear();
  return own;
}

// With --vtt, every level's exports checked against the tabletop before any file is written:
// its counts and warnings on err, marked with the level. False when one is refused.
bool checkLevelsForTabletop(const CliOptions& options, const DungeonLevels& levels,
                            std::vector<CliExports>& exports, std::ostream& err) {
  for (int level = 1; level <= levels.count(); ++level) {
    const CliOptions own = ownOptions(options, level);
    exports.push_back(prepareExports(own, levels.level(level)));
    const TabletopCheck check = checkExports(own, levels.level(level), exports.back());
    const std::string mark = "level " + std::to_string(level) + ": ";
    err << mark << check.summary << '\n';
    for (const std::string& warning : check.warnings) err << mark << warning << '\n';
    if (check.refused()) {
      err << mark << check.refusals.front() << '\n';
      return false;
    }
  }
  return true;
}

}  // namespace

int runLevels(const CliOptions& options, std::ostream& out, std::ostream& err, bool errIsTerminal) {
  DungeonLevels levels;
  if (!generateLevels(options, levels, err)) return kExitFailure;
  std::vector<CliExports> checked;
  if (options.vtt != nullptr && !checkLevelsForTabletop(options, levels, checked, err)) {
    return kExitUsage;
  }
  bool ok = true;
  for (int level = 1; level <= levels.count(); ++level) {
    const CliOptions own = ownOptions(options, level);
    const Dungeon& dungeon = levels.level(level);
    const CliExports exports =
        checked.empty() ? prepareExports(own, dungeon) : std::move(checked[level - 1]);
    ok = writeCliOutputs(own, dungeon, exports, out, err, errIsTerminal) && ok;
    const std::string journalPath = optionsForLevel(options, level).journalPath;
    if (!journalPath.empty()) {
      const std::string message =
          writeText(journalPath, foundryJournal(levels, level), "Foundry journal");
      if (!message.empty()) err << message << '\n';
      ok = message.empty() && ok;
    }
  }
  ok = writeAllLevels(options, levels, out, err) && ok;
  return ok ? kExitOk : kExitFailure;
}

}  // namespace delvora
