#include "export/scaled_surface.h"

namespace delvora {

VectorPath ScaledSurface::map(const VectorPath& path) const {
  VectorPath mapped;
  std::size_t p = 0;
  const std::vector<VecPoint>& points = path.points();
  for (const VectorPath::Op op : path.ops()) {
    switch (op) {
      case VectorPath::Op::Move:
        mapped.moveTo(map(points[p++]));
        break;
      case VectorPath::Op::Line:
        mapped.lineTo(map(points[p++]));
        break;
      case VectorPath::Op::Cubic:
        mapped.cubicTo(map(points[p]), map(points[p + 1]), map(points[p + 2]));
        p += 3;
        break;
      case VectorPath::Op::Close:
        mapped.close();
        break;
    }
  }
  return mapped;
}

void ScaledSurface::fill(const VectorPath& path, Rgb color, FillRule rule) {
  m_target.fill(map(path), color, rule);
}

void ScaledSurface::stroke(const VectorPath& path, const StrokeStyle& style) {
  StrokeStyle scaled = style;
  scaled.width *= m_scale;
  scaled.dash *= m_scale;
  m_target.stroke(map(path), scaled);
}

void ScaledSurface::text(VecPoint at, std::string_view utf8, const TextStyle& style) {
  TextStyle scaled = style;
  scaled.size *= m_scale;
  m_target.text(map(at), utf8, scaled);
}

void ScaledSurface::pushClip(const VectorPath& path, FillRule rule) {
  m_target.pushClip(map(path), rule);
}

}  // namespace delvora
