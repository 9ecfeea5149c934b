#include "cli/cli_run.h"

#include <cstdint>
#include <sstream>
#include <string>

#include "cli/batch_progress.h"
#include "cli/cli_exports.h"
#include "cli/cli_outputs.h"
#include "cli/levels_run.h"

namespace delvora {

bool reportGeneration(const GenerateReport& report, int stairs, std::string_view where,
                      std::ostream& err) {
  for (const std::string& warning : report.warnings) {
    if (!warning.starts_with("warning")) err << "warning: ";
    err << warning << '\n';
  }
  if (!report.ok()) {
    err << report.error << '\n';
    return false;
  }
  if (report.stairsShortfall > 0) {
    err << "warning: placed " << stairs - report.stairsShortfall << " of " << stairs
        << " staircases" << where << '\n';
  }
  return true;
}

bool generateCliDungeon(const CliOptions& options, Dungeon& dungeon, std::ostream& err) {
  const GenerateReport report = dungeon.generate(options.settings, audienceOf(options));
  if (!reportGeneration(report, options.settings.stairs, "", err)) return false;
  for (const DeadEndMode mode : options.deadEnds) dungeon.cleanDeadEnds(mode);
  return true;
}

namespace {

// One map: the whole of what a run of delvora-cli without --count does but the small-grid
// warning.
int runOne(const CliOptions& options, std::ostream& out, std::ostream& err, bool errIsTerminal) {
  if (options.settings.levels > 1) return runLevels(options, out, err, errIsTerminal);
  Dungeon dungeon;
  if (!generateCliDungeon(options, dungeon, err)) return kExitFailure;
  const CliExports exports = prepareExports(options, dungeon);
  if (options.vtt != nullptr) {
    const TabletopCheck check = checkExports(options, dungeon, exports);
    err << check.summary << '\n';
    for (const std::string& warning : check.warnings) err << warning << '\n';
    if (check.refused()) {
      err << check.refusals.front() << '\n';
      return kExitUsage;
    }
  }
  return writeCliOutputs(options, dungeon, exports, out, err, errIsTerminal) ? kExitOk
                                                                             : kExitFailure;
}

// Each line of text with "seed N: " in front, so that a batch's messages say which map.
std::string withSeed(const std::string& text, std::uint32_t seed) {
  const std::string prefix = "seed " + std::to_string(seed) + ": ";
  std::string lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.append(prefix).append(line).append("\n");
  return lines;
}

}  // namespace

int runCli(const CliOptions& options, std::ostream& out, std::ostream& err, bool errIsTerminal) {
  if (const std::string warning = smallGridWarning(options); !warning.empty()) {
    err << warning << '\n';
  }
  if (options.count <= 1) return runOne(options, out, err, errIsTerminal);
  // The batch's progress takes the terminal; a map's own messages are gathered and marked.
  BatchProgress progress(err, errIsTerminal, options.count);
  for (int i = 0; i < options.count; ++i) {
    const std::uint32_t seed = options.settings.seed + static_cast<std::uint32_t>(i);
    std::ostringstream messages;
    const int status = runOne(optionsForSeed(options, seed), out, messages, false);
    progress.print(withSeed(messages.str(), seed));
    if (status != kExitOk) {
      progress.finish();
      return status;
    }
    progress.update(i + 1, seed);
  }
  progress.finish();
  return kExitOk;
}

}  // namespace delvora
