#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/canvas.h"
#include "export/wall_geometry.h"
#include "render/bitmap.h"

namespace delvora::testing {

// Rock as the map draws it: the speckled tile's two colours, and both under the grid.
inline bool isRock(Rgb c) {
  return c == colors::kRock || c == Rgb{192, 192, 128} || c == colors::kSpeck ||
         c == Rgb{0, 128, 192};
}

// The pixels of a map split into the areas its walls enclose: two 4-neighbours are in one area
// when the step between their centres crosses no wall. Walls are in map pixels and may slant.
class WallAreas {
 public:
  WallAreas(int width, int height, const std::vector<WallPolyline>& walls)
      : m_width(width),
        m_height(height),
        m_right(cells(), 0),
        m_down(cells(), 0),
        m_area(cells(), -1) {
    for (const WallPolyline& line : walls) {
      for (std::size_t i = 1; i < line.size(); ++i) block(line[i - 1], line[i]);
    }
    label();
  }

  int area(int x, int y) const { return m_area[index(x, y)]; }
  // Whether the step from (x, y) to its right (or lower) neighbour crosses no wall.
  bool open(int x, int y, bool right) const { return (right ? m_right : m_down)[index(x, y)] == 0; }
  int areaCount() const { return m_areaCount; }

 private:
  std::size_t cells() const { return static_cast<std::size_t>(m_width) * m_height; }
  std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * m_width + x; }

  // Whether segment p-q crosses the step between pixel centres a and b (one unit apart).
  static bool crosses(double px, double py, double qx, double qy, double ax, double ay, double bx,
                      double by) {
    const auto side = [](double ox, double oy, double ux, double uy, double vx, double vy) {
      const double c = (ux - ox) * (vy - oy) - (uy - oy) * (vx - ox);
      return (c > 1e-12) - (c < -1e-12);
    };
    return side(px, py, qx, qy, ax, ay) * side(px, py, qx, qy, bx, by) <= 0 &&
           side(ax, ay, bx, by, px, py) * side(ax, ay, bx, by, qx, qy) <= 0;
  }

  void block(const MapPoint& p, const MapPoint& q) {
    const int x0 = std::max(std::min(p.x, q.x) - 1, 0);
    const int x1 = std::min(std::max(p.x, q.x) + 1, m_width - 1);
    const int y0 = std::max(std::min(p.y, q.y) - 1, 0);
    const int y1 = std::min(std::max(p.y, q.y) + 1, m_height - 1);
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        const double cx = x + 0.5;
        const double cy = y + 0.5;
        if (x + 1 < m_width && crosses(p.x, p.y, q.x, q.y, cx, cy, cx + 1, cy)) {
          m_right[index(x, y)] = 1;
        }
        if (y + 1 < m_height && crosses(p.x, p.y, q.x, q.y, cx, cy, cx, cy + 1)) {
          m_down[index(x, y)] = 1;
        }
      }
    }
  }

  void label() {
    std::vector<std::size_t> stack;
    for (std::size_t start = 0; start < cells(); ++start) {
      if (m_area[start] >= 0) continue;
      m_area[start] = m_areaCount;
      stack.push_back(start);
      while (!stack.empty()) {
        const std::size_t c = stack.back();
        stack.pop_back();
        const int x = static_cast<int>(c % m_width);
        const int y = static_cast<int>(c / m_width);
        const auto visit = [&](int nx, int ny, bool open) {
          if (!open || m_area[index(nx, ny)] >= 0) return;
          m_area[index(nx, ny)] = m_areaCount;
          stack.push_back(index(nx, ny));
        };
        if (x + 1 < m_width) visit(x + 1, y, m_right[c] == 0);
        if (x > 0) visit(x - 1, y, m_right[c - 1] == 0);
        if (y + 1 < m_height) visit(x, y + 1, m_down[c] == 0);
        if (y > 0) visit(x, y - 1, m_down[c - m_width] == 0);
      }
      ++m_areaCount;
    }
  }

  int m_width;
  int m_height;
  // Blocked steps from a pixel to its right and lower neighbour.
  std::vector<std::uint8_t> m_right;
  std::vector<std::uint8_t> m_down;
  std::vector<int> m_area;
  int m_areaCount = 0;
};

// Whether the 3 x 3 block from (x, y) lies in one area and every pixel of it passes test.
template <typename Test>
bool blockOf(const WallAreas& areas, int x, int y, Test test) {
  const int area = areas.area(x, y);
  for (int dy = 0; dy < 3; ++dy) {
    for (int dx = 0; dx < 3; ++dx) {
      if (areas.area(x + dx, y + dy) != area || !test(x + dx, y + dy)) return false;
    }
  }
  return true;
}

// The first area holding both a 3 x 3 block of rock and one of floor (white, where a feature is
// drawn: room numbers have white boxes too), with a pixel of each; not found when walls keep the
// two apart everywhere. Slivers thinner than three pixels are let be: a straightened step
// brings rock inside walls, a round room's corner leaves floor outside.
struct MixedArea {
  bool found = false;
  std::pair<int, int> rock;
  std::pair<int, int> floor;
};

template <typename Drawn>
MixedArea rockAndFloorTogether(const Bitmap& map, const WallAreas& areas, Drawn drawn) {
  std::vector<std::pair<int, int>> rockAt(static_cast<std::size_t>(areas.areaCount()), {-1, -1});
  std::vector<std::pair<int, int>> floorAt(rockAt);
  const auto rock = [&](int x, int y) { return isRock(map.pixel(x, y)); };
  const auto floor = [&](int x, int y) { return map.pixel(x, y) == colors::kWhite && drawn(x, y); };
  for (int y = 0; y + 2 < map.height(); ++y) {
    for (int x = 0; x + 2 < map.width(); ++x) {
      const auto a = static_cast<std::size_t>(areas.area(x, y));
      if (rockAt[a].first < 0 && blockOf(areas, x, y, rock)) rockAt[a] = {x, y};
      if (floorAt[a].first < 0 && blockOf(areas, x, y, floor)) floorAt[a] = {x, y};
      if (rockAt[a].first >= 0 && floorAt[a].first >= 0) return {true, rockAt[a], floorAt[a]};
    }
  }
  return {};
}

}  // namespace delvora::testing
