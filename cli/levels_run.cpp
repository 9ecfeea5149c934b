#include "cli/levels_run.h"

#include <string>

#include "cli/cli_outputs.h"
#include "cli/cli_run.h"
#include "dressing/report.h"
#include "dungeon/dungeon_json.h"
#include "dungeon/levels.h"
#include "dungeon/levels_key.h"
#include "files/atomic_file.h"

namespace delvora {

namespace {

bool generateLevels(const CliOptions& options, DungeonLevels& levels, std::ostream& err) {
  const GenerateReport report =
      levels.generate(options.settings, options.levels, audienceOf(options));
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

// The outputs that hold every level: the report, and the JSON.
bool writeAllLevels(const CliOptions& options, const DungeonLevels& levels, std::ostream& out,
                    std::ostream& err) {
  bool ok = true;
  const auto check = [&](const std::string& message) {
    if (message.empty()) return;
    err << message << '\n';
    ok = false;
  };
  if (!options.reportPath.empty()) check(writeReports(options.reportPath, levels));
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
    // Each level's Foundry scene is named after its level.
    const std::string& title = options.settings.title;
    own.settings.title = (title.empty() ? "" : title + " - ") + "Level " + std::to_string(level);
    ok = writeCliOutputs(own, levels.level(level), out, err, errIsTerminal) && ok;
  }
  ok = writeAllLevels(options, levels, out, err) && ok;
  return ok ? kExitOk : kExitFailure;
}

}  // namespace delvora
