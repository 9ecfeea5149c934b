#pragma once

#include <QPainter>
#include <QPrinter>

#include "print/battle_map/page_canvas.h"

namespace delvora {

// Pages drawn with a QPainter on a printer in full-page mode: points from the paper's corner,
// the standard sans-serif face for text. The picture is painted again for each placement.
class QtPageCanvas final : public PageCanvas {
 public:
  QtPageCanvas(QPrinter& printer, QPainter& painter) : m_printer(printer), m_painter(painter) {}

  void beginPage(double width, double height) override;
  void endPage() override {}
  void setPicture(Picture paint) override { m_paint = std::move(paint); }
  void placePicture(double scale, VecPoint offset, const Box& clip) override;

  void beginLayer(std::string_view) override {}
  void endLayer() override {}
  void fill(const VectorPath& path, Rgb color, FillRule rule) override;
  void stroke(const VectorPath& path, const StrokeStyle& style) override;
  void text(VecPoint at, std::string_view utf8, const TextStyle& style) override;
  void pushClip(const VectorPath& path, FillRule rule) override;
  void popClip() override { m_painter.restore(); }

 private:
  QPrinter& m_printer;
  QPainter& m_painter;
  Picture m_paint;
  bool m_started = false;
};

}  // namespace delvora
