#pragma once

#include "export/vector_surface.h"

namespace delvora {

// Draws on another surface scaled by scale and then moved by offset: paths, stroke widths,
// dashes and text sizes alike.
class ScaledSurface final : public VectorSurface {
 public:
  ScaledSurface(VectorSurface& target, double scale, VecPoint offset)
      : m_target(target), m_scale(scale), m_offset(offset) {}

  void beginLayer(std::string_view name) override { m_target.beginLayer(name); }
  void endLayer() override { m_target.endLayer(); }
  void fill(const VectorPath& path, Rgb color, FillRule rule) override;
  void stroke(const VectorPath& path, const StrokeStyle& style) override;
  void text(VecPoint at, std::string_view utf8, const TextStyle& style) override;
  void pushClip(const VectorPath& path, FillRule rule) override;
  void popClip() override { m_target.popClip(); }

  VecPoint map(VecPoint p) const {
    return {p.x * m_scale + m_offset.x, p.y * m_scale + m_offset.y};
  }
  VectorPath map(const VectorPath& path) const;

 private:
  VectorSurface& m_target;
  double m_scale;
  VecPoint m_offset;
};

}  // namespace delvora
