#pragma once

#include "engine/canvas.h"

namespace delvora {

// Draws the map for players through another canvas: room numbers and the concealed and secret
// door tiles are left out, so the tile area keeps what was under it (the two wall outlines) and
// reads as plain wall. Every other call passes straight through; the run's draws, lists and
// random state are those of the game master's map.
class PlayerMapCanvas final : public Canvas {
 public:
  explicit PlayerMapCanvas(Canvas& target) : m_target(target) {}

  // True for the tiles the player map leaves out.
  static bool hidesTile(Tile tile);

  void reset(int width, int height) override { m_target.reset(width, height); }
  void resetTiled(int width, int height, Tile tile) override;
  void setPenColor(Rgb color) override { m_target.setPenColor(color); }
  void setPenWidth(int width) override { m_target.setPenWidth(width); }
  int penWidth() const override { return m_target.penWidth(); }
  void setPenMode(PenMode mode) override { m_target.setPenMode(mode); }
  void setBrushColor(Rgb color) override { m_target.setBrushColor(color); }
  void setBrushStyle(BrushStyle style) override { m_target.setBrushStyle(style); }
  void setFontColor(Rgb color) override { m_target.setFontColor(color); }
  void rectangle(int left, int top, int right, int bottom) override {
    m_target.rectangle(left, top, right, bottom);
  }
  void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                 int cornerHeight) override {
    m_target.roundRect(left, top, right, bottom, cornerWidth, cornerHeight);
  }
  void moveTo(int x, int y) override { m_target.moveTo(x, y); }
  void lineTo(int x, int y) override { m_target.lineTo(x, y); }
  void gridLines(int width, int height, int step) override {
    m_target.gridLines(width, height, step);
  }
  void drawTile(Tile tile, int x, int y) override;
  void textOut(int, int, std::string_view) override {}

 private:
  Canvas& m_target;
};

}  // namespace delvora
