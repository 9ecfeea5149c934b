#pragma once

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "export/vector_surface.h"

namespace delvora::testing {

// One subpath of SVG path data: its vertices (the ends of its segments, the start first) and
// points along it, curves sampled.
struct SvgSubpath {
  std::vector<VecPoint> vertices;
  std::vector<VecPoint> samples;
  bool closed = false;
};

// The subpaths of path data made of M, L, C and Z with absolute coordinates, as our writer
// writes it.
inline std::vector<SvgSubpath> parsePathData(const std::string& d) {
  std::vector<SvgSubpath> subpaths;
  const char* p = d.c_str();
  const auto number = [&p] {
    char* end = nullptr;
    const double value = std::strtod(p, &end);
    p = end;
    while (*p == ' ') ++p;
    return value;
  };
  const auto point = [&] {
    const double x = number();
    return VecPoint{x, number()};
  };
  while (*p != '\0') {
    const char op = *p++;
    if (op == 'M') {
      subpaths.emplace_back();
      const VecPoint at = point();
      subpaths.back().vertices.push_back(at);
      subpaths.back().samples.push_back(at);
    } else if (op == 'L') {
      const VecPoint at = point();
      subpaths.back().vertices.push_back(at);
      subpaths.back().samples.push_back(at);
    } else if (op == 'C') {
      const VecPoint a = subpaths.back().vertices.back();
      const VecPoint b = point();
      const VecPoint c = point();
      const VecPoint e = point();
      for (int i = 1; i <= 16; ++i) {
        const double t = i / 16.0;
        const double u = 1 - t;
        subpaths.back().samples.push_back(
            {u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * e.x,
             u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * e.y});
      }
      subpaths.back().vertices.push_back(e);
    } else if (op == 'Z') {
      subpaths.back().closed = true;
      subpaths.back().samples.push_back(subpaths.back().vertices.front());
    } else {
      break;
    }
  }
  return subpaths;
}

// The distance from p to the polyline through points.
inline double distanceTo(const std::vector<VecPoint>& points, VecPoint p) {
  double best = 1e300;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const VecPoint a = points[i];
    const VecPoint b = points[i + 1 < points.size() ? i + 1 : i];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    double t = length == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    best = std::min(best, std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y));
  }
  return best;
}

// The text between <g id="layer"> and its </g> (layers hold no nested groups but clips').
inline std::string svgLayer(const std::string& svg, const std::string& layer) {
  const std::string open = "<g id=\"" + layer + "\">";
  const std::size_t start = svg.find(open);
  if (start == std::string::npos) return "";
  std::size_t end = start + open.size();
  int depth = 1;
  while (depth > 0) {
    const std::size_t nextOpen = svg.find("<g", end);
    const std::size_t nextClose = svg.find("</g>", end);
    if (nextClose == std::string::npos) return "";
    if (nextOpen != std::string::npos && nextOpen < nextClose) {
      ++depth;
      end = nextOpen + 2;
    } else {
      --depth;
      end = nextClose + 4;
    }
  }
  return svg.substr(start, end - start);
}

// The values of every attribute name="..." in text, in order.
inline std::vector<std::string> attributeValues(const std::string& text, const std::string& name) {
  std::vector<std::string> values;
  const std::string key = " " + name + "=\"";
  for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
    const std::size_t start = at + key.size();
    values.push_back(text.substr(start, text.find('"', start) - start));
  }
  return values;
}

}  // namespace delvora::testing
