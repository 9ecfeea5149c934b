#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/canvas.h"

namespace delvora::testing {

// A canvas that only records what is drawn, for checking the steps without pixels.
class RecordingCanvas final : public Canvas {
 public:
  struct TileDraw {
    Tile tile;
    int x;
    int y;
  };
  struct Text {
    int x;
    int y;
    std::string text;
    Rgb color;
  };

  void reset(int width, int height) override {
    this->width = width;
    this->height = height;
  }
  void setPenColor(Rgb color) override { penColor = color; }
  void setPenWidth(int width) override { m_penWidth = width; }
  int penWidth() const override { return m_penWidth; }
  void setPenMode(PenMode mode) override { penMode = mode; }
  void setBrushColor(Rgb) override {}
  void setBrushStyle(BrushStyle) override {}
  void setFontColor(Rgb color) override { m_fontColor = color; }
  void rectangle(int, int, int, int) override { ++rectangles; }
  void roundRect(int, int, int, int, int, int) override { ++roundRects; }
  void moveTo(int, int) override { ++moves; }
  void lineTo(int x, int y) override {
    ++lines;
    lastX = x;
    lastY = y;
    widths.push_back(m_penWidth);
  }
  void drawTile(Tile tile, int x, int y) override { tiles.push_back({tile, x, y}); }
  void textOut(int x, int y, std::string_view text) override {
    texts.push_back({x, y, std::string(text), m_fontColor});
  }

  int width = 0;
  int height = 0;
  Rgb penColor;
  PenMode penMode = PenMode::Copy;
  int rectangles = 0;
  int roundRects = 0;
  int moves = 0;
  int lines = 0;
  int lastX = 0;
  int lastY = 0;
  // The pen width of every line, in order.
  std::vector<int> widths;
  std::vector<TileDraw> tiles;
  std::vector<Text> texts;

 private:
  int m_penWidth = 1;
  Rgb m_fontColor = colors::kBlack;
};

}  // namespace delvora::testing
