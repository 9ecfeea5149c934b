#include "dungeon/option_table.h"

#include <charconv>
#include <utility>

#include "dungeon/level_limits.h"
#include "dungeon/tabletop_presets.h"

namespace delvora {
namespace {

OptionValue number(std::int64_t value) {
  return {value, {}};
}
OptionValue text(std::string value) {
  return {0, std::move(value)};
}
OptionValue flag(bool inEffect) {
  return {inEffect ? 1 : 0, {}};
}
int toInt(const OptionValue& value) {
  return static_cast<int>(value.number);
}

constexpr ChoiceWord kMapSizes[] = {{"640x480", "640x480", 0},
                                    {"800x600", "800x600", 1},
                                    {"1024x768", "1024x768", 2},
                                    {"1280x1024", "1280x1024", 3}};
constexpr ChoiceWord kRoomSizes[] = {{"tiny", "Tiny", static_cast<int>(RoomSize::Tiny)},
                                     {"small", "Small", static_cast<int>(RoomSize::Small)},
                                     {"medium", "Medium", static_cast<int>(RoomSize::Medium)},
                                     {"large", "Large", static_cast<int>(RoomSize::Large)}};
constexpr ChoiceWord kCorridors[] = {
    {"straight", "Straight", static_cast<int>(CorridorStyle::Straight)},
    {"twisty", "Twisty", static_cast<int>(CorridorStyle::Twisty)},
    {"very-twisty", "Very Twisty", static_cast<int>(CorridorStyle::VeryTwisty)}};
// The "Dead Ends" menu allows "Some" and "A Few" once each, and "Some" only before "A Few".
constexpr ChoiceWord kDeadEnds[] = {
    {"some", "Some", 1}, {"few", "A Few", 2}, {"some,few", "Some, then A Few", 3}};
// The --vtt words: each value is the preset's place in tabletopPresets().
constexpr ChoiceWord kTabletops[] = {{"foundry", "Foundry VTT", 0},
                                     {"roll20", "Roll20", 1},
                                     {"fantasy-grounds", "Fantasy Grounds", 2},
                                     {"maptool", "MapTool", 3},
                                     {"owlbear", "Owlbear Rodeo", 4},
                                     {"lets-role", "Let's Role", 5}};
// Words stand for themselves in the lists of the web page's toolbar.
constexpr ChoiceWord kStyles[] = {{"ink", "ink", static_cast<int>(MapStyle::Ink)},
                                  {"classic", "classic", static_cast<int>(MapStyle::Classic)}};
constexpr ChoiceWord kSquares[] = {{"1in", "1in", static_cast<int>(SquareSize::Inch)},
                                   {"25.6mm", "25.6mm", static_cast<int>(SquareSize::Mm25_6)}};
constexpr ChoiceWord kPapers[] = {{"a4", "a4", static_cast<int>(PaperSize::A4)},
                                  {"letter", "letter", static_cast<int>(PaperSize::Letter)}};
constexpr OfferedValue kIterations[] = {{100, ""},  {250, ""},  {500, ""},  {750, ""}, {1000, ""},
                                        {1500, ""}, {2000, ""}, {2500, ""}, {3000, ""}};
constexpr OfferedValue kScales[] = {
    {kDrawnPxPerGrid, "as drawn"}, {50, ""}, {70, "Roll20"}, {100, ""}, {140, ""}};

std::vector<DeadEndMode> deadEndsFor(int value) {
  switch (value) {
    case 1:
      return {DeadEndMode::Some};
    case 2:
      return {DeadEndMode::AFew};
    case 3:
      return {DeadEndMode::Some, DeadEndMode::AFew};
    default:
      return {};
  }
}

int deadEndsValue(const std::vector<DeadEndMode>& modes) {
  for (int value = 1; value <= 3; ++value) {
    if (deadEndsFor(value) == modes) return value;
  }
  return 0;
}

constexpr std::string_view kGeneration = "Generation";
constexpr std::string_view kOutput = "Output";
constexpr std::string_view kInformation = "Information";
constexpr std::string_view kFileName = "a file name";

const OptionRow kRows[] = {
    {.name = "seed",
     .kind = ValueKind::Integer,
     .valueName = "N",
     .low = 0,
     .high = UINT32_MAX,
     .help = "seed of the random source",
     .caption = "Random Seed",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o,
                 const OptionValue& v) { o.settings.seed = static_cast<std::uint32_t>(v.number); },
     .read = [](const RunOptions& o) { return number(o.settings.seed); }},
    {.name = "map-size",
     .kind = ValueKind::Choice,
     .valueName = "WxH",
     .choices = kMapSizes,
     .help = "map size in pixels",
     .caption = "Map Size",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o,
                 const OptionValue& v) { o.settings.mapSizeIndex = *offeredMapSize(toInt(v)); },
     .read = [](const RunOptions& o) { return number(static_cast<int>(o.settings.mapSizeIndex)); }},
    {.name = "iterations",
     .kind = ValueKind::Integer,
     .valueName = "N",
     .low = 1,
     .high = 100000,
     .offered = kIterations,
     .help = "build attempts",
     .details = "The options window offers 100 to 3000.",
     .caption = "Iterations",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.settings.iterations = toInt(v); },
     .read = [](const RunOptions& o) { return number(o.settings.iterations); }},
    {.name = "room-size",
     .kind = ValueKind::Choice,
     .valueName = "S",
     .choices = kRoomSizes,
     .help = "room size",
     .caption = "Room Size",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o,
                 const OptionValue& v) { o.settings.roomSize = static_cast<RoomSize>(v.number); },
     .read = [](const RunOptions& o) { return number(static_cast<int>(o.settings.roomSize)); }},
    {.name = "corridors",
     .kind = ValueKind::Choice,
     .valueName = "S",
     .choices = kCorridors,
     .help = "corridor style",
     .caption = "Corridors",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store =
         [](RunOptions& o, const OptionValue& v) {
           o.settings.corridorStyle = static_cast<CorridorStyle>(v.number);
         },
     .read =
         [](const RunOptions& o) { return number(static_cast<int>(o.settings.corridorStyle)); }},
    {.name = "stairs",
     .kind = ValueKind::Integer,
     .valueName = "N",
     .low = 0,
     .high = 10,
     .help = "staircases",
     .caption = "No of Staircases",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.settings.stairs = toInt(v); },
     .read = [](const RunOptions& o) { return number(o.settings.stairs); }},
    {.name = "no-number-rooms",
     .help = "do not number rooms (and so no dressing)",
     .caption = "Number Rooms",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store =
         [](RunOptions& o, const OptionValue&) {
           o.settings.numberRooms = false;
           o.settings.dressing = false;
         },
     .read = [](const RunOptions& o) { return flag(!o.settings.numberRooms); }},
    {.name = "no-dressing",
     .help = "do not dress rooms and doors",
     .caption = "Dressing",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue&) { o.settings.dressing = false; },
     // Without numbered rooms there is no dressing anyway.
     .read =
         [](const RunOptions& o) { return flag(o.settings.numberRooms && !o.settings.dressing); }},
    {.name = "no-grid",
     .help = "do not draw the grid",
     .caption = "Show Grid",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue&) { o.settings.drawGrid = false; },
     .read = [](const RunOptions& o) { return flag(!o.settings.drawGrid); }},
    {.name = "river",
     .help = "draw a river",
     .caption = "River",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue&) { o.settings.river = true; },
     .read = [](const RunOptions& o) { return flag(o.settings.river); }},
    {.name = "chasm",
     .help = "draw a chasm",
     .caption = "Chasm",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue&) { o.settings.chasm = true; },
     .read = [](const RunOptions& o) { return flag(o.settings.chasm); }},
    {.name = "no-background",
     .help = "plain white background instead of speckled rock",
     .caption = "Show Background",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue&) { o.settings.showBackground = false; },
     .read = [](const RunOptions& o) { return flag(!o.settings.showBackground); }},
    {.name = "no-snap",
     .help = "do not snap positions to the 16-pixel grid",
     .caption = "Snap to Grid",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue&) { o.settings.snapToGrid = false; },
     .read = [](const RunOptions& o) { return flag(!o.settings.snapToGrid); }},
    {.name = "concealed",
     .kind = ValueKind::Integer,
     .valueName = "N",
     .low = 0,
     .high = 20,
     .help = "percentage of concealed doors",
     .caption = "%age doors concealed",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.settings.concealedPercent = toInt(v); },
     .read = [](const RunOptions& o) { return number(o.settings.concealedPercent); }},
    {.name = "secret",
     .kind = ValueKind::Integer,
     .valueName = "N",
     .low = 0,
     .high = 20,
     .help = "percentage of secret doors",
     .caption = "%age doors secret",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.settings.secretPercent = toInt(v); },
     .read = [](const RunOptions& o) { return number(o.settings.secretPercent); }},
    {.name = "no-corridor-stairs",
     .help = "no staircases in corridors",
     .caption = "Allow Stairs in corridors",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue&) { o.settings.corridorStairs = false; },
     .read = [](const RunOptions& o) { return flag(!o.settings.corridorStairs); }},
    {.name = "dress-roll",
     .kind = ValueKind::Integer,
     .valueName = "N",
     .low = 1,
     .high = 6,
     .help = "dress a room on a roll of N or below",
     .caption = "Add dressing on a roll of a ... or below",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.settings.dressRoll = toInt(v); },
     .read = [](const RunOptions& o) { return number(o.settings.dressRoll); }},
    {.name = "no-internal-dressing",
     .help = "pick only entries from dressing files",
     .caption = "Use internal Dressings",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue&) { o.settings.useInternalDressing = false; },
     .read = [](const RunOptions& o) { return flag(!o.settings.useInternalDressing); }},
    {.name = "encounters",
     .help = "give every dressed room an encounter too: creatures, or an empty room",
     .details = "Encounters.txt in the dressing directory extends the built-in table. Encounters "
                "are drawn apart from everything else, so the rest of the map is unchanged.",
     .caption = "Encounters",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue&) { o.settings.encounters = true; },
     .read = [](const RunOptions& o) { return flag(o.settings.encounters); }},
    {.name = "dressing-dir",
     .kind = ValueKind::Directory,
     .valueName = "DIR",
     .accepts = "a directory (empty: the current directory)",
     .mayBeEmpty = true,
     .help = "directory of the dressing files",
     .defaultNote = "the current directory",
     .caption = "Dressing Files Directory",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.settings.dressingDir = v.text; },
     .read = [](const RunOptions& o) { return text(o.settings.dressingDir); }},
    {.name = "title",
     .kind = ValueKind::Text,
     .valueName = "TEXT",
     .accepts = "any text",
     .mayBeEmpty = true,
     .help = "map title, the first line of the report",
     .caption = "Title",
     .window = OptionWindow::Options,
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.settings.title = v.text; },
     .read = [](const RunOptions& o) { return text(o.settings.title); }},
    {.name = "dead-ends",
     .kind = ValueKind::Choice,
     .valueName = "LIST",
     .choices = kDeadEnds,
     .help = "clean-ups after the run",
     .details = "The value some erases about half of the corridors that lead nowhere, few all "
                "of them; some,few runs both.",
     .caption = "Dead Ends",
     .section = kGeneration,
     .web = true,
     .shapesDungeon = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.deadEnds = deadEndsFor(toInt(v)); },
     .read = [](const RunOptions& o) { return number(deadEndsValue(o.deadEnds)); }},
    {.name = "count",
     .kind = ValueKind::Integer,
     .valueName = "N",
     .low = 1,
     .high = 1000000,
     .help = "N maps, of the seeds S, S+1, ..., S+N-1 (S from --seed)",
     .details = "With N above 1 every output file name needs {seed}, which becomes the map's "
                "seed: -o map-{seed}.png. Each map is exactly what a run for its seed alone "
                "makes; a batch stops at the first map that fails, and its messages start with "
                "the map's seed. When standard error is a terminal and the batch takes over a "
                "second, a progress line shows there.",
     .section = kGeneration,
     .store = [](RunOptions& o, const OptionValue& v) { o.count = toInt(v); },
     .read = [](const RunOptions& o) { return number(o.count); }},
    {.name = "levels",
     .kind = ValueKind::Integer,
     .valueName = "N",
     .low = kMinLevels,
     .high = kMaxLevels,
     .help = "N levels joined by stairs (above 1 needs --stairs 1 or more)",
     .details = "Level 1 is the dungeon of the seed; each further level has a seed derived from "
                "it and its staircases up where the level above has its staircases down. Every "
                "output file name but those of --report, --export-json and (for Foundry VTT v14) "
                "--export-foundry needs {level}, which becomes the level's number: "
                "-o map-{level}.png. The report holds every level (one file per level when its "
                "name holds {level}); the JSON always does.",
     .caption = "Levels",
     .window = OptionWindow::Advanced,
     .section = kGeneration,
     .web = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.settings.levels = toInt(v); },
     .read = [](const RunOptions& o) { return number(o.settings.levels); }},
    {.name = "output",
     .shortName = "o",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .fileExtension = "png",
     .help = "the map as a PNG (8-bit palette, the same RGB as drawn)",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.pngPath = v.text; },
     .read = [](const RunOptions& o) { return text(o.pngPath); }},
    {.name = "report",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .help = "the dressing report (CR LF line ends)",
     .details = "With dressing off it holds only the title block.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.reportPath = v.text; },
     .read = [](const RunOptions& o) { return text(o.reportPath); }},
    {.name = "dump",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = "a file name, or - for standard output",
     .dashIsStandardOutput = true,
     .help = "the model lists as text; - is standard output",
     .details = "One header line a list followed by its records, then the state.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.dumpPath = v.text; },
     .read = [](const RunOptions& o) { return text(o.dumpPath); }},
    {.name = "print-map",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .fileExtension = "pdf",
     .help = "\"Print Map\" as PDF: the whole map on one landscape page",
     .section = kOutput,
     .needsPrinting = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.print.map = v.text; },
     .read = [](const RunOptions& o) { return text(o.print.map); }},
    {.name = "print-25mm",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .fileExtension = "pdf",
     .help = "\"Print Map 25mm Scale\" as PDF: 25.6 mm a grid square, many pages",
     .section = kOutput,
     .needsPrinting = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.print.map25mm = v.text; },
     .read = [](const RunOptions& o) { return text(o.print.map25mm); }},
    {.name = "print-dressing",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .fileExtension = "pdf",
     .help = "\"Print Dressing\" as PDF",
     .section = kOutput,
     .needsPrinting = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.print.dressing = v.text; },
     .read = [](const RunOptions& o) { return text(o.print.dressing); }},
    {.name = "export-svg",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .fileExtension = "svg",
     .help = "the map drawn from the dungeon as an SVG in map pixels, one group a layer",
     .details = "The layers are floor, water, grid, walls, doors, stairs and labels; the walls "
                "are those of the Universal VTT file, round rooms drawn as arcs, and the kinds "
                "of door differ in shape as well as colour.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.svgPath = v.text; },
     .read = [](const RunOptions& o) { return text(o.svgPath); }},
    {.name = "print-battlemap",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .fileExtension = "pdf",
     .help = "a battle map as PDF: the map at --square a grid square on --paper pages",
     .details = "Made without Qt, as vectors. An overview shows the pages over the whole map, "
                "those left out as they hold nothing but rock, and the page of every room's "
                "number; each further page is labelled by row and column (A1, A2, ...) and "
                "shows the strip its neighbours overlap, alignment marks and cut marks.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.battleMapPath = v.text; },
     .read = [](const RunOptions& o) { return text(o.battleMapPath); }},
    {.name = "style",
     .kind = ValueKind::Choice,
     .valueName = "S",
     .choices = kStyles,
     .help = "the look of the SVG and the battle map",
     .details = "ink: white ground, black walls and a light grid on the floor, for little "
                "ink; classic: the map's colours.",
     .caption = "Style",
     .section = kOutput,
     .web = true,
     .store = [](RunOptions& o,
                 const OptionValue& v) { o.style = static_cast<MapStyle>(v.number); },
     .read = [](const RunOptions& o) { return number(static_cast<int>(o.style)); }},
    {.name = "hatching",
     .help = "hatch the rock around the walls in the SVG and the battle map",
     .caption = "Hatching",
     .section = kOutput,
     .web = true,
     .store = [](RunOptions& o, const OptionValue&) { o.hatching = true; },
     .read = [](const RunOptions& o) { return flag(o.hatching); }},
    {.name = "square",
     .kind = ValueKind::Choice,
     .valueName = "S",
     .choices = kSquares,
     .help = "a grid square on the battle map",
     .caption = "Square",
     .section = kOutput,
     .web = true,
     .store = [](RunOptions& o,
                 const OptionValue& v) { o.square = static_cast<SquareSize>(v.number); },
     .read = [](const RunOptions& o) { return number(static_cast<int>(o.square)); }},
    {.name = "paper",
     .kind = ValueKind::Choice,
     .valueName = "P",
     .choices = kPapers,
     .help = "the battle map's paper, turned to landscape when that needs fewer pages",
     .caption = "Paper",
     .section = kOutput,
     .web = true,
     .store = [](RunOptions& o,
                 const OptionValue& v) { o.paper = static_cast<PaperSize>(v.number); },
     .read = [](const RunOptions& o) { return number(static_cast<int>(o.paper)); }},
    {.name = "export-uvtt",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .help = "Universal VTT file: walls, doors and the map image in one JSON",
     .details = "Concealed and secret doors are plain wall there, and the chasm has no walls.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.uvttPath = v.text; },
     .read = [](const RunOptions& o) { return text(o.uvttPath); }},
    {.name = "export-foundry",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .fileExtension = "json",
     .help = "Foundry VTT scene JSON (v12 or later), its map image as a PNG beside it",
     .details = "The PNG is FILE with .json replaced by .png: copy it into the folder "
                "\"delvora\" of the Data folder in Foundry's user data. The chasm's outline is "
                "walls that stop movement only.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.foundryPath = v.text; },
     .read = [](const RunOptions& o) { return text(o.foundryPath); }},
    {.name = "export-foundry-journal",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = kFileName,
     .fileExtension = "json",
     .help = "the map's key as a Foundry VTT journal entry, a page per room",
     .details = "In Foundry: create a journal entry, then its \"Import Data\" with this file.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.journalPath = v.text; },
     .read = [](const RunOptions& o) { return text(o.journalPath); }},
    {.name = "export-json",
     .kind = ValueKind::File,
     .valueName = "FILE",
     .accepts = "a file name, or - for standard output",
     .dashIsStandardOutput = true,
     .fileExtension = "json",
     .help = "the whole dungeon as a JSON document (docs/dungeon-json.md); - is standard output",
     .details = "Rooms with their dressing and doors, corridors, doors, stairs, the river's and "
                "the chasm's courses and what the clean-ups erased, in map pixels and grid "
                "squares; docs/dungeon.schema.json is its JSON Schema.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.jsonPath = v.text; },
     .read = [](const RunOptions& o) { return text(o.jsonPath); }},
    {.name = "foundry-image-path",
     .kind = ValueKind::Text,
     .valueName = "P",
     .accepts = "a path (in Foundry's Data folder, or a web address)",
     .help = "where the scene finds its image, relative to Foundry's Data folder",
     .defaultNote = "delvora/ and the PNG's name",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.foundryImageSource = v.text; },
     .read = [](const RunOptions& o) { return text(o.foundryImageSource); }},
    {.name = "foundry-version",
     .kind = ValueKind::Integer,
     .valueName = "V",
     .low = 12,
     .high = 14,
     .help = "the Foundry VTT release of the scene: 12, 13 or 14",
     .details = "It matters only with --levels above 1: for 14 one scene holds every level, each "
                "level's picture beside it as FILE-level-N.png and a \"Change Level\" region on "
                "every pair of linked staircases; for 12 and 13 each level gets a scene of its "
                "own (FILE must hold {level}) with its staircases marked.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.foundryVersion = toInt(v); },
     .read = [](const RunOptions& o) { return number(o.foundryVersion); }},
    {.name = "dark",
     .help = "exported scenes lit only by the light tokens carry",
     .defaultNote = "lit",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue&) { o.dark = true; },
     .read = [](const RunOptions& o) { return flag(o.dark); }},
    {.name = "vtt",
     .kind = ValueKind::Choice,
     .valueName = "TABLETOP",
     .choices = kTabletops,
     .help = "the tabletop the exports are for: its pixels per grid square, its limits checked",
     .defaultNote = "none",
     .details = "The counts (walls, doors, lights, picture size, file sizes) are printed; past a "
                "limit the tabletop advises there is a warning, past a hard limit nothing is "
                "written.",
     .section = kOutput,
     .store = [](RunOptions& o, const OptionValue& v) { o.vtt = &tabletopPresets()[toInt(v)]; },
     .read =
         [](const RunOptions& o) {
           return number(o.vtt == nullptr ? -1 : o.vtt - tabletopPresets().data());
         }},
    {.name = "player-map",
     .help = "draw the map for players: no room numbers, concealed and secret doors as plain "
             "wall",
     .details = "The same dungeon, dressing and dump; used by every picture written.",
     .caption = "Player map",
     .section = kOutput,
     .web = true,
     .store = [](RunOptions& o, const OptionValue&) { o.playerMap = true; },
     .read = [](const RunOptions& o) { return flag(o.playerMap); }},
    {.name = "px-per-grid",
     .kind = ValueKind::Integer,
     .valueName = "N",
     .low = 1,
     .high = 1000,
     .offered = kScales,
     .help = "pixels per grid square of the PNG and the exports' images",
     .defaultNote = "16 for -o, the map as drawn; 100 for the exports",
     .details = "Export pictures may be at most 16384 pixels a side, -o 65535: a larger scale "
                "is refused, naming the largest that fits. Below 50 an export gets a warning, "
                "as some tabletops enlarge such a grid. Scaling is nearest-neighbour, so lines "
                "stay crisp.",
     .caption = "Pixels per square",
     .section = kOutput,
     .web = true,
     .store = [](RunOptions& o, const OptionValue& v) { o.pxPerGrid = toInt(v); },
     // 0 when not given: each picture then takes its own default scale.
     .read = [](const RunOptions& o) { return number(o.pxPerGrid); }},
    {.name = "help",
     .help = "show this text",
     .section = kInformation,
     .store = [](RunOptions& o, const OptionValue&) { o.showHelp = true; },
     .read = [](const RunOptions& o) { return flag(o.showHelp); }},
    {.name = "version",
     .help = "show the version",
     .section = kInformation,
     .store = [](RunOptions& o, const OptionValue&) { o.showVersion = true; },
     .read = [](const RunOptions& o) { return flag(o.showVersion); }},
};

// Only plain decimal digits: no sign, no blanks, no hex.
std::optional<std::uint64_t> parseNumber(std::string_view digits) {
  std::uint64_t value = 0;
  const char* const end = digits.data() + digits.size();
  const auto [last, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc{} || last != end) return std::nullopt;
  return value;
}

// "a, b or c".
std::string listed(std::span<const ChoiceWord> choices) {
  std::string words;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (i > 0) words += i + 1 == choices.size() ? " or " : ", ";
    words += choices[i].word;
  }
  return words;
}

}  // namespace

std::span<const OptionRow> optionTable() {
  return kRows;
}

const OptionRow* findOption(std::string_view given) {
  for (const OptionRow& row : kRows) {
    if (given.starts_with("--") && given.substr(2) == row.name) return &row;
    if (!row.shortName.empty() && given.size() == row.shortName.size() + 1 &&
        given.front() == '-' && given.substr(1) == row.shortName) {
      return &row;
    }
  }
  return nullptr;
}

const OptionRow* findOptionNamed(std::string_view name) {
  for (const OptionRow& row : kRows) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

// Strings are built by appending: operator+ on a literal trips a false -Wrestrict in g++ 12.
std::string optionFlag(const OptionRow& row) {
  std::string flag = "--";
  return flag.append(row.name);
}

std::string acceptedValues(const OptionRow& row) {
  switch (row.kind) {
    case ValueKind::Integer:
      return "a number from " + std::to_string(row.low) + " to " + std::to_string(row.high);
    case ValueKind::Choice:
      return listed(row.choices);
    case ValueKind::Text:
    case ValueKind::File:
    case ValueKind::Directory:
      return std::string(row.accepts);
    case ValueKind::Flag:
      break;
  }
  return "";
}

std::optional<OptionValue> parseOptionValue(const OptionRow& row, std::string_view given) {
  switch (row.kind) {
    case ValueKind::Flag:
      if (!given.empty()) return std::nullopt;
      return flag(true);
    case ValueKind::Integer: {
      const auto value = parseNumber(given);
      if (!value || *value < static_cast<std::uint64_t>(row.low) ||
          *value > static_cast<std::uint64_t>(row.high)) {
        return std::nullopt;
      }
      return number(static_cast<std::int64_t>(*value));
    }
    case ValueKind::Choice:
      for (const ChoiceWord& choice : row.choices) {
        if (given == choice.word) return number(choice.value);
      }
      return std::nullopt;
    case ValueKind::Text:
    case ValueKind::File:
    case ValueKind::Directory:
      if (given.empty() && !row.mayBeEmpty) return std::nullopt;
      return text(std::string(given));
  }
  return std::nullopt;
}

std::string optionValueText(const OptionRow& row, const OptionValue& value) {
  switch (row.kind) {
    case ValueKind::Flag:
      return value.number != 0 ? "on" : "off";
    case ValueKind::Integer:
      // Outside the range only when not given, for an option without a default of its own.
      if (value.number < row.low || value.number > row.high) return "";
      return std::to_string(value.number);
    case ValueKind::Choice:
      for (const ChoiceWord& choice : row.choices) {
        if (choice.value == value.number) return std::string(choice.word);
      }
      return "none";
    case ValueKind::Text:
    case ValueKind::File:
    case ValueKind::Directory:
      break;
  }
  return value.text;
}

OptionValue defaultValue(const OptionRow& row) {
  return row.read(RunOptions{});
}

std::string defaultText(const OptionRow& row) {
  if (!row.defaultNote.empty()) return std::string(row.defaultNote);
  const std::string text = optionValueText(row, defaultValue(row));
  return text.empty() ? "empty" : text;
}

std::string optionSummary(const OptionRow& row) {
  std::string summary(row.help);
  if (row.kind == ValueKind::Integer) {
    summary.append(", ").append(std::to_string(row.low)).append("..");
    summary.append(std::to_string(row.high));
  } else if (row.kind == ValueKind::Choice) {
    summary.append(": ").append(listed(row.choices));
  }
  if (!row.defaultNote.empty()) {
    summary.append(" (default: ").append(row.defaultNote).append(")");
  } else if (row.kind == ValueKind::Integer || row.kind == ValueKind::Choice || row.mayBeEmpty) {
    summary.append(" (default ").append(defaultText(row)).append(")");
  }
  return summary;
}

std::string optionSynopsis(const OptionRow& row) {
  std::string synopsis;
  if (!row.shortName.empty()) synopsis.append("-").append(row.shortName).append(", ");
  synopsis.append(optionFlag(row));
  if (row.kind != ValueKind::Flag) synopsis.append(" ").append(row.valueName);
  return synopsis;
}

}  // namespace delvora
