// The functions the page calls. Results that are bytes stay in one buffer until the next such
// call: the function returns its address, dv_result_size() its length.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

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

// The option bits of dv_generate, in the page's order.
enum Flag : int {
  kNumberRooms = 1 << 0,
  kDressing = 1 << 1,
  kDrawGrid = 1 << 2,
  kRiver = 1 << 3,
  kChasm = 1 << 4,
  kShowBackground = 1 << 5,
  kSnapToGrid = 1 << 6,
  kCorridorStairs = 1 << 7,
  kInternalDressing = 1 << 8,
};

}  // namespace

extern "C" {

// Generates a dungeon; "" on success, else the message to show.
EMSCRIPTEN_KEEPALIVE const char* dv_generate(std::uint32_t seed, int mapSizeIndex, int iterations,
                                             int roomSize, int corridors, int stairs, int flags,
                                             int concealed, int secret, int dressRoll,
                                             const char* title) {
  delvora::Settings settings;
  settings.seed = seed;
  settings.mapSizeIndex = mapSizeIndex;
  settings.iterations = iterations;
  settings.roomSize = static_cast<delvora::RoomSize>(roomSize);
  settings.corridorStyle = static_cast<delvora::CorridorStyle>(corridors);
  settings.stairs = stairs;
  settings.numberRooms = (flags & kNumberRooms) != 0;
  settings.dressing = (flags & kDressing) != 0 && settings.numberRooms;
  settings.drawGrid = (flags & kDrawGrid) != 0;
  settings.river = (flags & kRiver) != 0;
  settings.chasm = (flags & kChasm) != 0;
  settings.showBackground = (flags & kShowBackground) != 0;
  settings.snapToGrid = (flags & kSnapToGrid) != 0;
  settings.corridorStairs = (flags & kCorridorStairs) != 0;
  settings.useInternalDressing = (flags & kInternalDressing) != 0;
  settings.concealedPercent = concealed;
  settings.secretPercent = secret;
  settings.dressRoll = dressRoll;
  settings.title = title;
  return keep(session().generate(settings));
}

// Warnings of the last "Generate", one per line.
EMSCRIPTEN_KEEPALIVE const char* dv_warnings() {
  std::string text;
  for (const std::string& warning : session().warnings()) text += warning + "\n";
  return keep(text);
}

// 0 for "Some", 1 for "A Few".
EMSCRIPTEN_KEEPALIVE void dv_dead_ends(int mode) {
  session().cleanDeadEnds(mode == 0 ? delvora::DeadEndMode::Some : delvora::DeadEndMode::AFew);
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

// The settings footer of the printed map for the local date and time given.
EMSCRIPTEN_KEEPALIVE const char* dv_footer(int mapSizeIndex, int iterations, int roomSize,
                                           int corridors, int year, int month, int day, int hour,
                                           int minute) {
  delvora::Settings settings;
  settings.mapSizeIndex = mapSizeIndex;
  settings.iterations = iterations;
  settings.roomSize = static_cast<delvora::RoomSize>(roomSize);
  settings.corridorStyle = static_cast<delvora::CorridorStyle>(corridors);
  return keep(delvora::settingsFooter(settings, {year, month, day, hour, minute}));
}

// Legend item i (0..3): its caption; the swatch follows with dv_legend_swatch(i).
EMSCRIPTEN_KEEPALIVE const char* dv_legend_caption(int item) {
  return keep(std::string(delvora::legendCaption(static_cast<delvora::LegendItem>(item))));
}

// The swatch as RGBA: width, height, then the pixels.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* dv_legend_swatch(int item) {
  const delvora::TileImage& tile = delvora::legendSwatch(static_cast<delvora::LegendItem>(item));
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

}  // extern "C"
