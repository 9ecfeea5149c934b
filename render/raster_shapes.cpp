#include "render/raster_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace delvora {

namespace {

// Products of doubled coordinates can pass 64 bits for far-off end points.
__extension__ typedef __int128 Int128;

// Coordinates and widths up to this size keep every product of the inside test within 64 bits.
constexpr int kNarrowLimit = 4096;

// The exact inside test in doubled coordinates, so that both pixel-centre offsets are integers.
template <typename Int>
class Capsule {
 public:
  Capsule(int x0, int y0, int x1, int y1, int width)
      : m_ax(2 * static_cast<Int>(x0)),
        m_ay(2 * static_cast<Int>(y0)),
        m_dx(2 * (static_cast<Int>(x1) - x0)),
        m_dy(2 * (static_cast<Int>(y1) - y0)),
        m_length2(m_dx * m_dx + m_dy * m_dy),
        m_radius2(static_cast<Int>(width) * width),
        m_centreOffset(width % 2 == 0 ? 1 : 0) {}

  bool inside(int x, int y) const {
    const Int vx = 2 * static_cast<Int>(x) + m_centreOffset - m_ax;
    const Int vy = 2 * static_cast<Int>(y) + m_centreOffset - m_ay;
    const Int dot = vx * m_dx + vy * m_dy;
    if (m_length2 == 0 || dot <= 0) return vx * vx + vy * vy <= m_radius2;
    if (dot >= m_length2) {
      const Int ex = vx - m_dx;
      const Int ey = vy - m_dy;
      return ex * ex + ey * ey <= m_radius2;
    }
    const Int cross = vx * m_dy - vy * m_dx;
    return cross * cross <= m_radius2 * m_length2;
  }

 private:
  Int m_ax, m_ay, m_dx, m_dy, m_length2, m_radius2;
  int m_centreOffset;
};

// The pixel of row y nearest to where the segment's axis crosses the row's centre line,
// clamped to the segment: inside the stroke whenever the row meets it away from its caps.
int axisColumn(int x0, int y0, int x1, int y1, int y, double centreOffset) {
  if (y0 == y1) return x0;
  const double t = std::clamp((y + centreOffset - y0) / (y1 - y0), 0.0, 1.0);
  const double x = x0 + t * (x1 - x0) - centreOffset;
  // Only a first guess: any rounding serves.
  return static_cast<int>(x + (x < 0 ? -0.5 : 0.5));
}

// The stroke meets each row in one run of pixels, since it is convex; a row's run is found from
// one pixel known inside it, the run's ends searched from the previous row's ends, which are
// rarely more than a pixel or two away.
template <typename Int>
void strokeSpansWith(int x0, int y0, int x1, int y1, int width, const PixelBounds& bounds,
                     const SpanVisitor& visit) {
  const Capsule<Int> capsule(x0, y0, x1, y1, width);
  const int reach = width / 2 + 1;
  const int left = std::max(bounds.left, std::min(x0, x1) - reach);
  const int right = std::min(bounds.right, std::max(x0, x1) + reach);
  const int top = std::max(bounds.top, std::min(y0, y1) - reach);
  const int bottom = std::min(bounds.bottom, std::max(y0, y1) + reach);
  const double centreOffset = width % 2 == 0 ? 0.5 : 0.0;
  int lo = right + 1;
  int hi = left - 1;
  for (int y = top; y <= bottom; ++y) {
    // The middle of the previous row's run is nearly always inside this row's too.
    int start = std::clamp(lo <= hi ? lo + (hi - lo) / 2 : left, left, right);
    if (lo > hi || !capsule.inside(start, y)) {
      start = std::clamp(axisColumn(x0, y0, x1, y1, y, centreOffset), left, right);
    }
    if (!capsule.inside(start, y)) {
      // Near the caps or the bounds the axis guess can miss; the row is short there.
      start = left;
      while (start <= right && !capsule.inside(start, y)) ++start;
      if (start > right) continue;
    }
    lo = std::clamp(lo, left, start);
    if (capsule.inside(lo, y)) {
      while (lo > left && capsule.inside(lo - 1, y)) --lo;
    } else {
      while (!capsule.inside(lo, y)) ++lo;
    }
    hi = std::clamp(hi, start, right);
    if (capsule.inside(hi, y)) {
      while (hi < right && capsule.inside(hi + 1, y)) ++hi;
    } else {
      while (!capsule.inside(hi, y)) --hi;
    }
    visit(y, lo, hi);
  }
}

}  // namespace

void strokeSpans(int x0, int y0, int x1, int y1, int width, const PixelBounds& bounds,
                 const SpanVisitor& visit) {
  const auto narrow = [](int v) { return v > -kNarrowLimit && v < kNarrowLimit; };
  if (narrow(x0) && narrow(y0) && narrow(x1) && narrow(y1) && narrow(width)) {
    strokeSpansWith<std::int64_t>(x0, y0, x1, y1, width, bounds, visit);
  } else {
    strokeSpansWith<Int128>(x0, y0, x1, y1, width, bounds, visit);
  }
}

std::vector<int> roundRectInsets(int width, int height, int cornerWidth, int cornerHeight) {
  std::vector<int> insets(static_cast<std::size_t>(std::max(height, 0)), 0);
  const double rx = std::clamp(cornerWidth, 0, width) / 2.0;
  const double ry = std::clamp(cornerHeight, 0, height) / 2.0;
  if (rx <= 0 || ry <= 0) return insets;
  const int maxInset = (width - 1) / 2;
  for (int i = 0; i < height; ++i) {
    // Computing each row from its distance to the nearer edge keeps the shape symmetric.
    const double centreY = std::min(i, height - 1 - i) + 0.5;
    if (centreY >= ry) continue;
    const double dy = (ry - centreY) / ry;
    const double halfSpan = rx * std::sqrt(1.0 - dy * dy);
    // First pixel whose centre is inside the corner ellipse; the epsilon absorbs rounding.
    const int inset = static_cast<int>(std::ceil(rx - halfSpan - 0.5 - 1e-9));
    insets[static_cast<std::size_t>(i)] = std::clamp(inset, 0, maxInset);
  }
  return insets;
}

}  // namespace delvora
