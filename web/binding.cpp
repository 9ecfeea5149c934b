// The functions the page calls. Results that are bytes stay in one buffer until the next such
// call: the function returns its address, dv_result_size() its length.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "dressing/dressing_categories.h"
#include "dungeon/option_json.h"
#include "dungeon/option_parser.h"
#include "print/print_layout.h"
#include "render/tiles.h"
#include "web/web_session.h"

namespace {

delvora::WebSession& session() {
  static delvora::WebSession instance;
  return instance;
}

std::string& result() {
  static std::string bytes;
  return bytes;
}

const char* keep(std::string bytes) {
  result() = std::move(bytes);
  return result().c_str();
}

delvora::FoundryFiles& foundryFiles() {
  static delvora::FoundryFiles files;
  return files;
}

std::vector<std::uint8_t>& rgba() {
  static std::vector<std::uint8_t> pixels;
  return pixels;
}

// Legend item i, 0 for an out-of-range number.
delvora::LegendItem legendItem(int item) {
  return static_cast<delvora::LegendItem>(item >= 0 && item < delvora::kLegendItemCount ? item : 0);
}

}  // namespace

extern "C" {

// The option table as JSON (see optionTableJson): what the page builds its form from.
EMSCRIPTEN_KEEPALIVE const char* dv_options() {
  return keep(delvora::optionTableJson());
}

// The options a query gives the page, read as a link is: the values of the page's options, the
// query that reproduces them and a message for each parameter that could not be used (see
// pageOptionsJson).
EMSCRIPTEN_KEEPALIVE const char* dv_read_query(const char* query) {
  const delvora::ParsedQuery parsed = delvora::parseQuery(query);
  return keep(delvora::pageOptionsJson(parsed.options, parsed.messages));
}

// Generates the dungeon a query describes, read as a link is, and runs its dead-end clean-ups;
// level 1 is shown. Returns {"error": "" or the message that stopped it, "messages": [one a
// parameter not used], "caption": the map's caption, "dressing": whether the rooms were dressed,
// "levels": how many levels the dungeon has}.
EMSCRIPTEN_KEEPALIVE const char* dv_generate(const char* query) {
  const delvora::ParsedQuery parsed = delvora::parseQuery(query);
  const delvora::Settings& settings = parsed.options.settings;
  const std::string error = session().generate(parsed.options);
  return keep(delvora::compactJson({{"error", error},
                                    {"messages", parsed.messages},
                                    {"caption", delvora::mapCaption(settings.title)},
                                    {"dressing", settings.dressing},
                                    {"levels", session().levelCount()}}));
}

// The level every per-level call below is of (the picture, hover, dump, PNG, exports), from 1.
EMSCRIPTEN_KEEPALIVE void dv_show_level(int level) {
  session().showLevel(level);
}

// Every level's PNG, the report and the JSON as one ZIP archive; empty for a scale --px-per-grid
// refuses.
EMSCRIPTEN_KEEPALIVE const char* dv_archive(int pxPerGrid, int playerMap, const char* baseName) {
  return keep(session().archive(pxPerGrid, playerMap != 0, baseName));
}

// Warnings of the last "Generate", one per line.
EMSCRIPTEN_KEEPALIVE const char* dv_warnings() {
  std::string text;
  for (const std::string& warning : session().warnings()) text += warning + "\n";
  return keep(text);
}

// 0 for "Some", 1 for "A Few", on every level; any other number does nothing.
EMSCRIPTEN_KEEPALIVE void dv_dead_ends(int mode) {
  if (mode == 0) session().cleanDeadEnds(delvora::DeadEndMode::Some);
  if (mode == 1) session().cleanDeadEnds(delvora::DeadEndMode::AFew);
}

EMSCRIPTEN_KEEPALIVE int dv_width() {
  return session().picture(false).width();
}
EMSCRIPTEN_KEEPALIVE int dv_height() {
  return session().picture(false).height();
}

// The map (for the game master or for players) as RGBA pixels for a canvas.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* dv_rgba(int playerMap) {
  const delvora::Bitmap& bitmap = session().picture(playerMap != 0);
  std::vector<std::uint8_t>& pixels = rgba();
  const std::size_t count = static_cast<std::size_t>(bitmap.width()) * bitmap.height();
  pixels.resize(count * 4);
  // Rows are contiguous; one 32-bit store a pixel (WebAssembly is little-endian).
  const std::uint8_t* in = bitmap.empty() ? nullptr : bitmap.row(0);
  for (std::size_t i = 0; i < count; ++i, in += 3) {
    const std::uint32_t pixel = in[0] | (in[1] << 8) | (in[2] << 16) | 0xff000000u;
    std::memcpy(pixels.data() + i * 4, &pixel, 4);
  }
  return pixels.data();
}

// The hover text at map pixel (x, y), lines joined by CR; null over rock and open background.
EMSCRIPTEN_KEEPALIVE const char* dv_hover(int x, int y) {
  delvora::HoverText hover = session().hover(x, y);
  if (!hover.overFeature) return nullptr;
  return keep(std::move(hover.text));
}

EMSCRIPTEN_KEEPALIVE const char* dv_dump() {
  return keep(session().dump());
}
EMSCRIPTEN_KEEPALIVE const char* dv_report() {
  return keep(session().report());
}

// The dungeon as documented JSON, as delvora-cli --export-json writes it.
EMSCRIPTEN_KEEPALIVE const char* dv_json() {
  return keep(session().json());
}

// A picture about to be made at pxPerGrid (0: not given) for the map PNG (tabletop 0) or a
// tabletop's scene (tabletop 1): {"pxPerGrid": the scale it gets, "error": "" or the command
// line's line refusing it, "warning": "" or the command line's warning about it}.
EMSCRIPTEN_KEEPALIVE const char* dv_check_picture(int pxPerGrid, int tabletop) {
  const delvora::WebSession::PictureCheck check = session().checkPicture(
      pxPerGrid, tabletop != 0 ? delvora::PictureUse::Tabletop : delvora::PictureUse::Png);
  return keep(delvora::compactJson(
      {{"pxPerGrid", check.pxPerGrid}, {"error", check.error}, {"warning", check.warning}}));
}

// The pictures at pxPerGrid as dv_check_picture takes it; empty when it refuses them.
EMSCRIPTEN_KEEPALIVE const char* dv_png(int pxPerGrid, int playerMap) {
  const std::vector<std::uint8_t> png = session().png(pxPerGrid, playerMap != 0);
  return keep(std::string(png.begin(), png.end()));
}

EMSCRIPTEN_KEEPALIVE const char* dv_uvtt(int pxPerGrid, int playerMap) {
  return keep(session().uvtt(pxPerGrid, playerMap != 0));
}

// The map as an SVG: style 0 classic, 1 ink.
EMSCRIPTEN_KEEPALIVE const char* dv_svg(int style, int hatching, int playerMap) {
  const delvora::MapLook look{style == 1 ? delvora::MapStyle::Ink : delvora::MapStyle::Classic,
                              hatching != 0};
  return keep(session().svg(look, playerMap != 0));
}

// The battle map's PDF: square 0 one inch, 1 25.6 mm; paper 0 A4, 1 Letter; style as dv_svg.
EMSCRIPTEN_KEEPALIVE const char* dv_battle_map(int square, int paper, int style, int hatching,
                                               int playerMap) {
  const delvora::BattleMapOptions options{
      square == 1 ? delvora::SquareSize::Mm25_6 : delvora::SquareSize::Inch,
      paper == 1 ? delvora::PaperSize::Letter : delvora::PaperSize::A4,
      {style == 1 ? delvora::MapStyle::Ink : delvora::MapStyle::Classic, hatching != 0}};
  return keep(session().battleMap(options, playerMap != 0));
}

// The Foundry scene file (empty on failure); its image follows with dv_foundry_image().
EMSCRIPTEN_KEEPALIVE const char* dv_foundry(int pxPerGrid, int playerMap, const char* baseName) {
  foundryFiles() = session().foundry(pxPerGrid, playerMap != 0, baseName);
  if (foundryFiles().image.empty()) foundryFiles() = {};
  return keep(foundryFiles().scene);
}

EMSCRIPTEN_KEEPALIVE const char* dv_foundry_image() {
  const std::vector<std::uint8_t>& image = foundryFiles().image;
  return keep(std::string(image.begin(), image.end()));
}

EMSCRIPTEN_KEEPALIVE std::size_t dv_result_size() {
  return result().size();
}

// The settings footer of the printed map of the last "Generate" for the local date and time
// given.
EMSCRIPTEN_KEEPALIVE const char* dv_footer(int year, int month, int day, int hour, int minute) {
  return keep(
      delvora::settingsFooter(session().options().settings, {year, month, day, hour, minute}));
}

// Legend item i (0..3): its caption; the swatch follows with dv_legend_swatch(i).
EMSCRIPTEN_KEEPALIVE const char* dv_legend_caption(int item) {
  return keep(std::string(delvora::legendCaption(legendItem(item))));
}

// The swatch as RGBA: width, height, then the pixels.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* dv_legend_swatch(int item) {
  const delvora::TileImage& tile = delvora::legendSwatch(legendItem(item));
  std::vector<std::uint8_t>& pixels = rgba();
  pixels.assign(8 + static_cast<std::size_t>(tile.width) * tile.height * 4, 0);
  pixels[0] = static_cast<std::uint8_t>(tile.width);
  pixels[4] = static_cast<std::uint8_t>(tile.height);
  std::uint8_t* out = pixels.data() + 8;
  for (int y = 0; y < tile.height; ++y) {
    const std::uint8_t* in = tile.row(y);
    for (int x = 0; x < tile.width; ++x, in += 3, out += 4) {
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
      out[3] = 255;
    }
  }
  return pixels.data();
}

// Adds a dressing file the user chose to those the next Generate reads.
EMSCRIPTEN_KEEPALIVE void dv_add_dressing_file(const char* name, const char* bytes,
                                               std::size_t size) {
  session().addDressingFile({name, std::string(bytes, size)});
}

// Forgets the dressing files chosen so far.
EMSCRIPTEN_KEEPALIVE void dv_clear_dressing_files() {
  session().clearDressingFiles();
}

// What the next Generate reads of the files chosen, one object a dressing category in category
// order: {"table": its file name ("Items.txt"), "file": the chosen file the load takes for it or
// "", "entries": the entries that file adds, "empty": how many of them are empty (blank lines)}.
EMSCRIPTEN_KEEPALIVE const char* dv_dressing_files() {
  const std::vector<delvora::WebSession::ChosenDressingFile> chosen =
      session().chosenDressingFiles();
  nlohmann::ordered_json files = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    files.push_back({{"table", std::string(delvora::kDressingCategories[i].fileName)},
                     {"file", chosen[i].name},
                     {"entries", chosen[i].count.entries},
                     {"empty", chosen[i].count.empty}});
  }
  return keep(delvora::compactJson(files));
}

}  // extern "C"
