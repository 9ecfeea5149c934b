#pragma once

#include "engine/canvas.h"
#include "render/bitmap.h"

namespace delvora {

// The map canvas drawing into a Bitmap. All drawing is clipped to the bitmap. The pen mode
// applies to pen strokes and to the brush fill of rectangles and rounded rectangles; tiles and
// text are always copied. A new canvas has an empty bitmap, a black 1-pixel pen in copy mode,
// a solid white brush and a black font.
class RasterCanvas final : public Canvas {
 public:
  RasterCanvas() = default;

  Bitmap& bitmap() { return m_bitmap; }
  const Bitmap& bitmap() const { return m_bitmap; }

  // Replaces the bitmap with a white one; the drawing state and position stay.
  void reset(int width, int height) override;
  void resetTiled(int width, int height, Tile tile) override;

  void setPenColor(Rgb color) override { m_penColor = color; }
  // Widths below 1 count as 1.
  void setPenWidth(int width) override { m_penWidth = width; }
  int penWidth() const override { return m_penWidth; }
  void setPenMode(PenMode mode) override { m_penMode = mode; }
  void setBrushColor(Rgb color) override { m_brushColor = color; }
  void setBrushStyle(BrushStyle style) override { m_brushStyle = style; }
  void setFontColor(Rgb color) override { m_fontColor = color; }

  // A pen wider than 1 draws an outline of that many pixels inside the rectangle.
  void rectangle(int left, int top, int right, int bottom) override;
  // The outline is always 1 pixel wide in the pen colour.
  void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                 int cornerHeight) override;
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void gridLines(int width, int height, int step) override;
  void drawTile(Tile tile, int x, int y) override;
  // Characters other than the digits 0-9 give blank cells. The box is left out when the
  // brush is clear.
  void textOut(int x, int y, std::string_view text) override;

 private:
  // Paints x0..x1 of row y (clipped) in color under the pen mode.
  void paintSpan(int y, int x0, int x1, Rgb color);
  void paintBlock(int left, int top, int right, int bottom, Rgb color);
  void thinLine(int x0, int y0, int x1, int y1);

  Bitmap m_bitmap;
  Rgb m_penColor = colors::kBlack;
  int m_penWidth = 1;
  PenMode m_penMode = PenMode::Copy;
  Rgb m_brushColor = colors::kWhite;
  BrushStyle m_brushStyle = BrushStyle::Solid;
  Rgb m_fontColor = colors::kBlack;
  int m_x = 0;
  int m_y = 0;
};

}  // namespace delvora
