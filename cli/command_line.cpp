#include "cli/command_line.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "cli/level_options.h"
#include "cli/output_paths.h"
#include "dungeon/option_parser.h"
#include "dungeon/picture_limits.h"

namespace delvora {
namespace {

#ifndef DELVORA_CAN_PRINT
#define DELVORA_CAN_PRINT 1
#endif
constexpr bool kCanPrint = DELVORA_CAN_PRINT;

// Joins the parts by appending; chained operator+ on literals trips a false -Wrestrict in g++ 12.
std::string joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

// One line when a picture asked for is larger than what reads it; exports are checked first,
// as their limit is the smaller one.
std::string picturesTooLarge(const CliOptions& options) {
  if (!options.uvttPath.empty() || !options.foundryPath.empty()) {
    std::string error =
        pictureSizeError(options.settings, exportPxPerGrid(options), PictureUse::Tabletop);
    if (!error.empty()) return error;
  }
  if (!options.pngPath.empty()) {
    return pictureSizeError(options.settings, pngPxPerGrid(options), PictureUse::Png);
  }
  return "";
}

// More than one map may not write them all to one file, nor run past the last seed. An option is
// named as it was last given ("-o" or "--output").
std::string checkBatch(const CliOptions& options, const std::vector<GivenOption>& given) {
  if (options.count <= 1) return "";
  const std::uint64_t last = static_cast<std::uint64_t>(options.settings.seed) +
                             static_cast<std::uint64_t>(options.count) - 1;
  if (last > UINT32_MAX) {
    return joined({"--count ", std::to_string(options.count), " from --seed ",
                   std::to_string(options.settings.seed), " passes the last seed, 4294967295"});
  }
  for (const OptionRow* row : outputFiles(options)) {
    const std::string path = row->read(options).text;
    if (path.find(kSeedField) != std::string::npos) continue;
    std::string typed = optionFlag(*row);
    for (const GivenOption& option : given) {
      if (option.row == row) typed = option.typedAs;
    }
    return joined({typed, " needs ", kSeedField, " in its file name with --count above 1, not \"",
                   path, "\""});
  }
  return "";
}

}  // namespace

std::string smallGridWarning(const CliOptions& options) {
  const bool exports = !options.uvttPath.empty() || !options.foundryPath.empty();
  if (!exports || options.pxPerGrid == 0) return "";
  const std::string warning = smallGridWarning(options.pxPerGrid);
  return warning.empty() ? "" : joined({"warning: ", warning});
}

CliOptions optionsForSeed(const CliOptions& options, std::uint32_t seed) {
  CliOptions one = options;
  one.settings.seed = seed;
  one.count = 1;
  const std::string value = std::to_string(seed);
  for (const OptionRow* row : outputFiles(one)) {
    OptionValue path = row->read(one);
    replaceAll(path.text, kSeedField, value);
    row->store(one, path);
  }
  // The scene's reference to its picture follows the picture's name.
  replaceAll(one.foundryImageSource, kSeedField, value);
  return one;
}

ParseResult parseCommandLine(const std::vector<std::string>& args) {
  ParsedArguments parsed = parseArguments(args, kCanPrint);
  ParseResult result{std::move(parsed.options), std::move(parsed.error)};
  if (!result.ok() || result.options.showHelp || result.options.showVersion) return result;
  result.error = picturesTooLarge(result.options);
  if (result.error.empty()) result.error = checkBatch(result.options, parsed.given);
  if (result.error.empty()) result.error = checkLevels(result.options, parsed.given);
  if (result.error.empty()) {
    // In a batch every map's names differ only by its seed: the first map's names tell.
    const CliOptions& options = result.options;
    result.error = sameFileError(
        options.count > 1 ? optionsForSeed(options, options.settings.seed) : options, parsed.given);
  }
  return result;
}

}  // namespace delvora
