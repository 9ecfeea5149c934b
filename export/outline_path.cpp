#include "export/outline_path.h"

#include <cmath>
#include <numbers>

namespace delvora {

namespace {

VecPoint onEllipse(const RoundCorners::Ellipse& e, double angle) {
  return {e.cx + e.rx * std::cos(angle), e.cy + e.ry * std::sin(angle)};
}

double angleOf(const RoundCorners::Ellipse& e, const MapPoint& p) {
  return std::atan2((p.y - e.cy) / e.ry, (p.x - e.cx) / e.rx);
}

// The arc of e from p to q the short way round, in pieces of at most a quarter turn; the ends
// of the first and last piece are moved onto p and q, which lie within a pixel or two of e.
void addArc(VectorPath& path, const RoundCorners::Ellipse& e, const MapPoint& p,
            const MapPoint& q) {
  const double from = angleOf(e, p);
  double sweep = angleOf(e, q) - from;
  while (sweep > std::numbers::pi) sweep -= 2 * std::numbers::pi;
  while (sweep <= -std::numbers::pi) sweep += 2 * std::numbers::pi;
  const int pieces =
      std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 2))));
  const double step = sweep / pieces;
  // Control points at this share of the piece's tangent give the closest cubic to an arc.
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  const VecPoint start{static_cast<double>(p.x), static_cast<double>(p.y)};
  const VecPoint end{static_cast<double>(q.x), static_cast<double>(q.y)};
  for (int i = 0; i < pieces; ++i) {
    const double a0 = from + step * i;
    const double a1 = a0 + step;
    const VecPoint e0 = onEllipse(e, a0);
    const VecPoint e1 = onEllipse(e, a1);
    // Shifts that put the piece's ends on p and q.
    const VecPoint shift0 = i == 0 ? VecPoint{start.x - e0.x, start.y - e0.y} : VecPoint{};
    const VecPoint shift1 = i == pieces - 1 ? VecPoint{end.x - e1.x, end.y - e1.y} : VecPoint{};
    const VecPoint c0{e0.x - k * e.rx * std::sin(a0) + shift0.x,
                      e0.y + k * e.ry * std::cos(a0) + shift0.y};
    const VecPoint c1{e1.x + k * e.rx * std::sin(a1) + shift1.x,
                      e1.y - k * e.ry * std::cos(a1) + shift1.y};
    path.cubicTo(c0, c1, {e1.x + shift1.x, e1.y + shift1.y});
  }
}

VecPoint point(const MapPoint& p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

}  // namespace

VectorPath outlinePath(const std::vector<WallPolyline>& lines, const RoundCorners* corners) {
  VectorPath path;
  for (const WallPolyline& line : lines) {
    if (line.size() < 2) continue;
    const bool closed = line.size() > 2 && line.front() == line.back();
    path.moveTo(point(line.front()));
    for (std::size_t i = 1; i < line.size(); ++i) {
      const int corner = corners != nullptr ? corners->cornerAt(line[i]) : -1;
      if (corner >= 0 && corner == corners->cornerAt(line[i - 1])) {
        // Run on along the corner's points and follow its ellipse from the first to the last.
        std::size_t last = i;
        while (last + 1 < line.size() && corners->cornerAt(line[last + 1]) == corner) ++last;
        addArc(path, corners->ellipse(corner), line[i - 1], line[last]);
        i = last;
      } else if (!(closed && i + 1 == line.size())) {
        path.lineTo(point(line[i]));
      }
    }
    if (closed) path.close();
  }
  return path;
}

}  // namespace delvora
