#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

namespace delvora {
namespace {

// One option: its names, what its value may be (empty for a flag) and how it is stored.
struct OptionDef {
  std::string_view name;
  std::string_view shortName;
  std::string_view accepts;
  // Stores the value; false when the value is not one the option accepts.
  bool (*apply)(CliOptions& options, std::string_view value);
  // Only a build with printing (Qt) offers the option.
  bool needsPrinting = false;
};

#ifndef DELVORA_CAN_PRINT
#define DELVORA_CAN_PRINT 1
#endif
constexpr bool kCanPrint = DELVORA_CAN_PRINT;

// Only plain decimal digits: no sign, no blanks, no hex.
std::optional<std::uint64_t> parseNumber(std::string_view text) {
  std::uint64_t value = 0;
  const char* const end = text.data() + text.size();
  const auto [last, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || last != end) return std::nullopt;
  return value;
}

bool storeInt(int& field, std::string_view text, int low, int high) {
  const auto value = parseNumber(text);
  if (!value || *value < static_cast<std::uint64_t>(low) ||
      *value > static_cast<std::uint64_t>(high)) {
    return false;
  }
  field = static_cast<int>(*value);
  return true;
}

template <typename T, std::size_t N>
bool storeChoice(T& field, std::string_view text,
                 const std::array<std::pair<std::string_view, T>, N>& choices) {
  for (const auto& [word, value] : choices) {
    if (text == word) {
      field = value;
      return true;
    }
  }
  return false;
}

bool storeSeed(CliOptions& options, std::string_view text) {
  const auto value = parseNumber(text);
  if (!value || *value > UINT32_MAX) return false;
  options.settings.seed = static_cast<std::uint32_t>(*value);
  return true;
}

bool storeMapSize(CliOptions& options, std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, int>, 4> kSizes{
      {{"640x480", 0}, {"800x600", 1}, {"1024x768", 2}, {"1280x1024", 3}}};
  return storeChoice(options.settings.mapSizeIndex, text, kSizes);
}

bool storeRoomSize(CliOptions& options, std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, RoomSize>, 4> kSizes{
      {{"tiny", RoomSize::Tiny},
       {"small", RoomSize::Small},
       {"medium", RoomSize::Medium},
       {"large", RoomSize::Large}}};
  return storeChoice(options.settings.roomSize, text, kSizes);
}

bool storeCorridors(CliOptions& options, std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, CorridorStyle>, 3> kStyles{
      {{"straight", CorridorStyle::Straight},
       {"twisty", CorridorStyle::Twisty},
       {"very-twisty", CorridorStyle::VeryTwisty}}};
  return storeChoice(options.settings.corridorStyle, text, kStyles);
}

// The Dead Ends menu allows "Some" and "A Few" once each, and "Some" only before "A Few".
bool storeDeadEnds(CliOptions& options, std::string_view text) {
  using Modes = std::vector<DeadEndMode>;
  static const std::array<std::pair<std::string_view, Modes>, 3> kLists{
      {{"some", Modes{DeadEndMode::Some}},
       {"few", Modes{DeadEndMode::AFew}},
       {"some,few", Modes{DeadEndMode::Some, DeadEndMode::AFew}}}};
  return storeChoice(options.deadEnds, text, kLists);
}

bool storePath(std::string& field, std::string_view text) {
  if (text.empty()) return false;
  field = std::string(text);
  return true;
}

constexpr std::string_view kFileName = "a file name";

bool storeStyle(CliOptions& options, std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, MapStyle>, 2> kStyles{
      {{"classic", MapStyle::Classic}, {"ink", MapStyle::Ink}}};
  MapStyle style{};
  if (!storeChoice(style, text, kStyles)) return false;
  options.style = style;
  return true;
}

bool storeSquare(CliOptions& options, std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, SquareSize>, 2> kSquares{
      {{"1in", SquareSize::Inch}, {"25.6mm", SquareSize::Mm25_6}}};
  return storeChoice(options.square, text, kSquares);
}

bool storePaper(CliOptions& options, std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, PaperSize>, 2> kPapers{
      {{"a4", PaperSize::A4}, {"letter", PaperSize::Letter}}};
  return storeChoice(options.paper, text, kPapers);
}

const std::array<OptionDef, 41> kOptions{{
    {"--seed", "", "a number from 0 to 4294967295", storeSeed},
    {"--map-size", "", "640x480, 800x600, 1024x768 or 1280x1024", storeMapSize},
    {"--iterations", "", "a number from 1 to 100000",
     [](CliOptions& o, std::string_view v) {
       return storeInt(o.settings.iterations, v, 1, 100000);
     }},
    {"--room-size", "", "tiny, small, medium or large", storeRoomSize},
    {"--corridors", "", "straight, twisty or very-twisty", storeCorridors},
    {"--stairs", "", "a number from 0 to 10",
     [](CliOptions& o, std::string_view v) { return storeInt(o.settings.stairs, v, 0, 10); }},
    {"--no-number-rooms", "", "",
     [](CliOptions& o, std::string_view) {
       o.settings.numberRooms = false;
       o.settings.dressing = false;
       return true;
     }},
    {"--no-dressing", "", "",
     [](CliOptions& o, std::string_view) {
       o.settings.dressing = false;
       return true;
     }},
    {"--no-grid", "", "",
     [](CliOptions& o, std::string_view) {
       o.settings.drawGrid = false;
       return true;
     }},
    {"--river", "", "",
     [](CliOptions& o, std::string_view) {
       o.settings.river = true;
       return true;
     }},
    {"--chasm", "", "",
     [](CliOptions& o, std::string_view) {
       o.settings.chasm = true;
       return true;
     }},
    {"--no-background", "", "",
     [](CliOptions& o, std::string_view) {
       o.settings.showBackground = false;
       return true;
     }},
    {"--no-snap", "", "",
     [](CliOptions& o, std::string_view) {
       o.settings.snapToGrid = false;
       return true;
     }},
    {"--concealed", "", "a number from 0 to 20",
     [](CliOptions& o, std::string_view v) {
       return storeInt(o.settings.concealedPercent, v, 0, 20);
     }},
    {"--secret", "", "a number from 0 to 20",
     [](CliOptions& o, std::string_view v) {
       return storeInt(o.settings.secretPercent, v, 0, 20);
     }},
    {"--no-corridor-stairs", "", "",
     [](CliOptions& o, std::string_view) {
       o.settings.corridorStairs = false;
       return true;
     }},
    {"--dress-roll", "", "a number from 1 to 6",
     [](CliOptions& o, std::string_view v) { return storeInt(o.settings.dressRoll, v, 1, 6); }},
    {"--no-internal-dressing", "", "",
     [](CliOptions& o, std::string_view) {
       o.settings.useInternalDressing = false;
       return true;
     }},
    {"--dressing-dir", "", "a directory (empty: the current directory)",
     [](CliOptions& o, std::string_view v) {
       o.settings.dressingDir = v;
       return true;
     }},
    {"--title", "", "any text",
     [](CliOptions& o, std::string_view v) {
       o.settings.title = v;
       return true;
     }},
    {"--dead-ends", "", "some, few or some,few", storeDeadEnds},
    {"--output", "-o", kFileName,
     [](CliOptions& o, std::string_view v) { return storePath(o.pngPath, v); }},
    {"--report", "", kFileName,
     [](CliOptions& o, std::string_view v) { return storePath(o.reportPath, v); }},
    {"--dump", "", "a file name, or - for standard output",
     [](CliOptions& o, std::string_view v) { return storePath(o.dumpPath, v); }},
    {"--print-map", "", kFileName,
     [](CliOptions& o, std::string_view v) { return storePath(o.print.map, v); }, true},
    {"--print-25mm", "", kFileName,
     [](CliOptions& o, std::string_view v) { return storePath(o.print.map25mm, v); }, true},
    {"--print-dressing", "", kFileName,
     [](CliOptions& o, std::string_view v) { return storePath(o.print.dressing, v); }, true},
    {"--export-uvtt", "", kFileName,
     [](CliOptions& o, std::string_view v) { return storePath(o.uvttPath, v); }},
    {"--export-foundry", "", kFileName,
     [](CliOptions& o, std::string_view v) { return storePath(o.foundryPath, v); }},
    {"--foundry-image-path", "", "a path (in Foundry's Data folder, or a web address)",
     [](CliOptions& o, std::string_view v) { return storePath(o.foundryImageSource, v); }},
    {"--export-svg", "", kFileName,
     [](CliOptions& o, std::string_view v) { return storePath(o.svgPath, v); }},
    {"--print-battlemap", "", kFileName,
     [](CliOptions& o, std::string_view v) { return storePath(o.battleMapPath, v); }},
    {"--style", "", "classic or ink", storeStyle},
    {"--hatching", "", "",
     [](CliOptions& o, std::string_view) {
       o.hatching = true;
       return true;
     }},
    {"--square", "", "1in or 25.6mm", storeSquare},
    {"--paper", "", "a4 or letter", storePaper},
    {"--player-map", "", "",
     [](CliOptions& o, std::string_view) {
       o.playerMap = true;
       return true;
     }},
    {"--px-per-grid", "", "a number from 1 to 1000",
     [](CliOptions& o, std::string_view v) { return storeInt(o.pxPerGrid, v, 1, 1000); }},
    {"--count", "", "a number from 1 to 1000000",
     [](CliOptions& o, std::string_view v) { return storeInt(o.count, v, 1, 1000000); }},
    {"--help", "", "",
     [](CliOptions& o, std::string_view) {
       o.showHelp = true;
       return true;
     }},
    {"--version", "", "",
     [](CliOptions& o, std::string_view) {
       o.showVersion = true;
       return true;
     }},
}};

const OptionDef* findOption(std::string_view name) {
  for (const OptionDef& def : kOptions) {
    if (name == def.name || (!def.shortName.empty() && name == def.shortName)) return &def;
  }
  return nullptr;
}

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

// Where each output file option keeps its name; "-" (standard output) is no file.
std::vector<std::pair<std::string_view, std::string*>> outputFiles(CliOptions& options) {
  std::vector<std::pair<std::string_view, std::string*>> files = {
      {"--output", &options.pngPath},
      {"--report", &options.reportPath},
      {"--dump", &options.dumpPath},
      {"--print-map", &options.print.map},
      {"--print-25mm", &options.print.map25mm},
      {"--print-dressing", &options.print.dressing},
      {"--export-uvtt", &options.uvttPath},
      {"--export-foundry", &options.foundryPath},
      {"--export-svg", &options.svgPath},
      {"--print-battlemap", &options.battleMapPath}};
  std::erase_if(files,
                [](const auto& file) { return file.second->empty() || *file.second == "-"; });
  return files;
}

void replaceAll(std::string& text, std::string_view field, std::string_view value) {
  for (std::size_t at = text.find(field); at != std::string::npos;
       at = text.find(field, at + value.size())) {
    text.replace(at, field.size(), value);
  }
}

// More than one map may not write them all to one file, nor run past the last seed. typedNames
// holds the name each option was last given as ("-o" or "--output").
std::string checkBatch(
    CliOptions& options,
    const std::vector<std::pair<std::string_view, std::string_view>>& typedNames) {
  if (options.count <= 1) return "";
  const std::uint64_t last = static_cast<std::uint64_t>(options.settings.seed) +
                             static_cast<std::uint64_t>(options.count) - 1;
  if (last > UINT32_MAX) {
    return joined({"--count ", std::to_string(options.count), " from --seed ",
                   std::to_string(options.settings.seed), " passes the last seed, 4294967295"});
  }
  for (const auto& [name, path] : outputFiles(options)) {
    if (path->find(kSeedField) != std::string::npos) continue;
    std::string_view typed = name;
    for (const auto& [option, given] : typedNames) {
      if (option == name) typed = given;
    }
    return joined({typed, " needs ", kSeedField, " in its file name with --count above 1, not \"",
                   *path, "\""});
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

MapLook svgLook(const CliOptions& options) {
  return {options.style.value_or(MapStyle::Classic), options.hatching};
}

BattleMapOptions battleMapOptions(const CliOptions& options) {
  return {options.square, options.paper, {options.style.value_or(MapStyle::Ink), options.hatching}};
}

CliOptions optionsForSeed(const CliOptions& options, std::uint32_t seed) {
  CliOptions one = options;
  one.settings.seed = seed;
  one.count = 1;
  const std::string value = std::to_string(seed);
  for (const auto& file : outputFiles(one)) replaceAll(*file.second, kSeedField, value);
  // The scene's reference to its picture follows the picture's name.
  replaceAll(one.foundryImageSource, kSeedField, value);
  return one;
}

ParseResult parseCommandLine(const std::vector<std::string>& args) {
  ParseResult result;
  // The long name of each option given, and the name it was given as.
  std::vector<std::pair<std::string_view, std::string_view>> typedNames;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
    const std::string_view name = arg.substr(0, equals);
    const OptionDef* const def = findOption(name);
    if (def == nullptr) {
      const bool looksLikeOption = arg.size() > 1 && arg.front() == '-';
      result.error = joined({looksLikeOption ? "unknown option \"" : "unexpected argument \"", arg,
                             "\" (see --help)"});
      return result;
    }
    if (def->needsPrinting && !kCanPrint) {
      result.error =
          joined({name, ": this build of delvora-cli cannot print (it was built without Qt)"});
      return result;
    }
    std::string_view value;
    if (def->accepts.empty()) {
      if (equals != std::string_view::npos) {
        result.error = joined({name, " takes no value"});
        return result;
      }
    } else if (equals != std::string_view::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      result.error = joined({name, " needs a value: ", def->accepts});
      return result;
    }
    if (!def->apply(result.options, value)) {
      result.error = joined({name, " accepts ", def->accepts, ", not \"", value, "\""});
      return result;
    }
    typedNames.emplace_back(def->name, name);
    if (result.options.showHelp || result.options.showVersion) return result;
  }
  result.error = pictureSizeError(result.options);
  if (result.error.empty()) result.error = checkBatch(result.options, typedNames);
  return result;
}

}  // namespace delvora
