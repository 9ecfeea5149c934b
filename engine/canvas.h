#pragma once

#include <cstdint>
#include <string_view>

namespace delvora {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

namespace colors {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRock{204, 204, 153};
inline constexpr Rgb kSpeck{0, 153, 255};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
}  // namespace colors

// The small pictures the steps stamp onto the map.
enum class Tile {
  HDoor,
  VDoor,
  HConDoor,
  VConDoor,
  HSecDoor,
  VSecDoor,
  HArch,
  VArch,
  Speckled,
  SmallWhite,
  CloseUp,
  CloseDown,
  CloseLeft,
  CloseRight,
  CloseUp2,
  CloseDown2,
  CloseLeft2,
  CloseRight2,
  StairsUp,
  StairsDown,
};
inline constexpr int kTileCount = static_cast<int>(Tile::StairsDown) + 1;

struct TileSize {
  int width;
  int height;
};

// Width and height of a tile in pixels.
TileSize tileSize(Tile tile);

enum class PenMode { Copy, Mask };
enum class BrushStyle { Solid, Clear };

// The drawing surface of the map with its persistent drawing state: a step that changes the
// pen or brush leaves it changed for every later step. Right and bottom edges are exclusive.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Makes the surface width x height pixels, all white.
  virtual void reset(int width, int height) = 0;
  // Makes the surface width x height pixels covered by the tile repeated from the top-left
  // corner: reset, then the tile drawn at every multiple of its width and height. A raster
  // canvas paints that in one pass instead of white first and tile by tile after.
  virtual void resetTiled(int width, int height, Tile tile);

  virtual void setPenColor(Rgb color) = 0;
  virtual void setPenWidth(int width) = 0;
  virtual int penWidth() const = 0;
  virtual void setPenMode(PenMode mode) = 0;
  virtual void setBrushColor(Rgb color) = 0;
  virtual void setBrushStyle(BrushStyle style) = 0;
  virtual void setFontColor(Rgb color) = 0;

  // Outline on columns left and right - 1 and rows top and bottom - 1, inside filled with the
  // brush.
  virtual void rectangle(int left, int top, int right, int bottom) = 0;
  // The same area with elliptical corners of cornerWidth x cornerHeight.
  virtual void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                         int cornerHeight) = 0;
  virtual void moveTo(int x, int y) = 0;
  // A 1-pixel pen leaves out the end point; a wider pen paints a round-ended stroke.
  virtual void lineTo(int x, int y) = 0;
  // Lines with the current pen from (x, 0) to (x, height) for x = 0, step, ... below width,
  // then from (0, y) to (width, y) for y = 0, step, ... below height. A raster canvas with a
  // 1-pixel pen paints them row by row in one pass instead of line by line.
  virtual void gridLines(int width, int height, int step);
  // Copies the tile with its top-left pixel at (x, y); the stairs tiles leave their white
  // pixels out.
  virtual void drawTile(Tile tile, int x, int y) = 0;
  // Writes text in the font colour on a brush-coloured text box whose top-left is (x, y).
  virtual void textOut(int x, int y, std::string_view text) = 0;
};

}  // namespace delvora
