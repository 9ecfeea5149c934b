#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "cli/level_options.h"
#include "dungeon/option_parser.h"

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

// The tabletops that raise a smaller scene grid to their smallest, silently.
struct TabletopGrid {
  std::string_view tabletop;
  int smallest;
};
constexpr std::array<TabletopGrid, 2> kSmallestGrids{
    {{"Foundry VTT v11", kSmallestTabletopGrid}, {"Foundry VTT v12 and later", 20}}};

std::string decimal(long long value) {
  return std::to_string(value);
}

// The largest side of the picture written at pxPerGrid, and the largest scale that keeps it
// within limit.
struct PictureFit {
  long long side;
  int largestPxPerGrid;
};

PictureFit fitPicture(const Settings& settings, int pxPerGrid, int limit) {
  const MapSize size = mapSizeFor(settings.mapSizeIndex);
  const int longest = std::max(size.width, size.height);
  return {static_cast<long long>(longest) * pxPerGrid / kDrawnPxPerGrid,
          static_cast<int>(static_cast<long long>(limit) * kDrawnPxPerGrid / longest)};
}

// One line when a picture asked for is larger than what reads it; exports are checked first,
// as their limit is the smaller one.
std::string pictureSizeError(const CliOptions& options) {
  const MapSize size = mapSizeFor(options.settings.mapSizeIndex);
  const auto tooLarge = [&](int pxPerGrid, int limit, std::string_view what) -> std::string {
    const PictureFit fit = fitPicture(options.settings, pxPerGrid, limit);
    if (fit.side <= limit) return "";
    return joined({"--px-per-grid ", decimal(pxPerGrid), ": the ", decimal(size.width), "x",
                   decimal(size.height), " map would be a ",
                   decimal(static_cast<long long>(size.width) * pxPerGrid / kDrawnPxPerGrid), "x",
                   decimal(static_cast<long long>(size.height) * pxPerGrid / kDrawnPxPerGrid),
                   " picture; ", what, " at most ", decimal(limit),
                   " pixels a side, so use --px-per-grid ", decimal(fit.largestPxPerGrid),
                   " or less"});
  };
  if (!options.uvttPath.empty() || !options.foundryPath.empty()) {
    const std::string error =
        tooLarge(exportPxPerGrid(options), kLargestTabletopPicture, "tabletops load");
    if (!error.empty()) return error;
  }
  if (!options.pngPath.empty()) {
    return tooLarge(pngPxPerGrid(options), kLargestPng, "a PNG for most readers holds");
  }
  return "";
}

// The output file options given a file name; "-" (standard output) is no file.
std::vector<const OptionRow*> outputFiles(const CliOptions& options) {
  std::vector<const OptionRow*> files;
  for (const OptionRow& row : optionTable()) {
    if (row.kind != ValueKind::File) continue;
    const std::string path = row.read(options).text;
    if (!path.empty() && path != "-") files.push_back(&row);
  }
  return files;
}

void replaceAll(std::string& text, std::string_view field, std::string_view value) {
  for (std::size_t at = text.find(field); at != std::string::npos;
       at = text.find(field, at + value.size())) {
    text.replace(at, field.size(), value);
  }
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
  const int px = options.pxPerGrid;
  if (!exports || px == 0) return "";
  std::string tabletops;
  for (const TabletopGrid& grid : kSmallestGrids) {
    if (px >= grid.smallest) continue;
    if (!tabletops.empty()) tabletops += " and ";
    tabletops += joined({grid.tabletop, " (", decimal(grid.smallest), " pixels)"});
  }
  if (tabletops.empty()) return "";
  return joined({"warning: --px-per-grid ", decimal(px), " is below the smallest scene grid of ",
                 tabletops, "; the grid gets enlarged there, so distances and token sizes come ",
                 "out wrong"});
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
  result.error = pictureSizeError(result.options);
  if (result.error.empty()) result.error = checkBatch(result.options, parsed.given);
  if (result.error.empty()) result.error = checkLevels(result.options, parsed.given);
  return result;
}

}  // namespace delvora
