#include "export/wall_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace delvora {

namespace {

std::int64_t cross(const MapPoint& o, const MapPoint& a, const MapPoint& b) {
  return static_cast<std::int64_t>(a.x - o.x) * (b.y - o.y) -
         static_cast<std::int64_t>(a.y - o.y) * (b.x - o.x);
}

double length(const MapPoint& a, const MapPoint& b) {
  return std::hypot(static_cast<double>(b.x - a.x), static_cast<double>(b.y - a.y));
}

// How a chord from steps[i] to steps[j] lies: whether every step between is on the rock side
// of it (or on it), and how far the farthest of them strays.
struct ChordFit {
  bool rockSide = true;
  double stray = 0;
};

ChordFit fitChord(const std::vector<MapPoint>& steps, std::size_t i, std::size_t j,
                  const MapPoint& outside) {
  const MapPoint& a = steps[i];
  const MapPoint& b = steps[j];
  const std::int64_t rock = cross(a, b, outside);
  const double chord = length(a, b);
  ChordFit fit{rock != 0, 0};
  for (std::size_t k = i + 1; k < j; ++k) {
    const std::int64_t side = cross(a, b, steps[k]);
    if (side != 0 && (side > 0) != (rock > 0)) fit.rockSide = false;
    fit.stray = std::max(fit.stray, static_cast<double>(std::llabs(side)) / chord);
  }
  return fit;
}

// The fewest chords, taken greedily from the start, that replace the steps. A chord may not end
// on an outer corner of the steps (the chord would cut past the inner corner beside it), so the
// search goes on past such ends until the chord strays too far.
std::vector<MapPoint> chords(const std::vector<MapPoint>& steps, const MapPoint& outside,
                             double tolerance) {
  std::vector<MapPoint> kept{steps.front()};
  std::size_t i = 0;
  while (i + 1 < steps.size()) {
    std::size_t best = i + 1;
    for (std::size_t j = i + 2; j < steps.size(); ++j) {
      const ChordFit fit = fitChord(steps, i, j, outside);
      if (fit.stray > tolerance) break;
      if (fit.rockSide) best = j;
    }
    kept.push_back(steps[best]);
    i = best;
  }
  return kept;
}

MapPoint direction(const MapPoint& from, const MapPoint& to) {
  return {(to.x > from.x) - (to.x < from.x), (to.y > from.y) - (to.y < from.y)};
}

int span(const MapPoint& a, const MapPoint& b) {
  return std::abs(b.x - a.x) + std::abs(b.y - a.y);
}

// Whether any cell of the box with corners a and b is floor.
bool floorIn(const FloorPlan& plan, const MapPoint& a, const MapPoint& b) {
  for (int y = std::min(a.y, b.y); y < std::max(a.y, b.y); ++y) {
    for (int x = std::min(a.x, b.x); x < std::max(a.x, b.x); ++x) {
      if (plan.floor(x, y)) return true;
    }
  }
  return false;
}

// p[1..4] is a notch: aside by at most depth, along, back by as much, with p[0], p[1], p[4] and
// p[5] on one line, run one way.
bool isNotch(const MapPoint* p, int depth) {
  const MapPoint way = direction(p[2], p[3]);
  const int aside = span(p[1], p[2]);
  return aside > 0 && aside <= depth &&
         p[4] == MapPoint{p[1].x + p[3].x - p[2].x, p[1].y + p[3].y - p[2].y} &&
         direction(p[0], p[1]) == way && direction(p[4], p[5]) == way &&
         (direction(p[1], p[2]).x == 0) != (way.x == 0);
}

// p[1..3] turn a corner in two short steps: p[0]-p[1] runs like p[2]-p[3], and p[1]-p[2] like
// p[3]-p[4]. The corner then lies where the lines p[0]-p[1] and p[3]-p[4] meet.
bool isStep(const MapPoint* p, int depth, MapPoint& corner) {
  if (span(p[1], p[2]) > depth || span(p[2], p[3]) > depth) return false;
  if (direction(p[0], p[1]) != direction(p[2], p[3])) return false;
  if (direction(p[1], p[2]) != direction(p[3], p[4])) return false;
  corner = direction(p[0], p[1]).x == 0 ? MapPoint{p[1].x, p[3].y} : MapPoint{p[3].x, p[1].y};
  return true;
}

// Straightens the first step at or after i that may be; returns where to look on.
std::size_t straightenAt(const FloorPlan& plan, const std::function<bool(const MapPoint&)>& pinned,
                         int depth, WallPolyline& line, std::size_t i) {
  const MapPoint* p = &line[i];
  const auto begin = line.begin() + static_cast<std::ptrdiff_t>(i);
  if (i + 5 < line.size() && isNotch(p, depth) && !pinned(p[1]) && !pinned(p[2]) && !pinned(p[3]) &&
      !pinned(p[4]) && !floorIn(plan, p[1], p[3])) {
    line.erase(begin + 1, begin + 5);
    return i > 0 ? i - 1 : 0;
  }
  MapPoint corner;
  if (i + 4 < line.size() && isStep(p, depth, corner) && !pinned(p[1]) && !pinned(p[2]) &&
      !pinned(p[3]) && !floorIn(plan, corner, p[2])) {
    line.erase(begin + 2, begin + 4);
    line[i + 1] = corner;
    return i > 0 ? i - 1 : 0;
  }
  return i + 1;
}

void simplifyRange(const WallPolyline& line, std::size_t first, std::size_t last, double tolerance,
                   std::vector<bool>& keep) {
  if (last <= first + 1) return;
  const double chord = length(line[first], line[last]);
  double farthest = -1;
  std::size_t at = first;
  for (std::size_t k = first + 1; k < last; ++k) {
    const double d =
        chord == 0
            ? length(line[first], line[k])
            : static_cast<double>(std::llabs(cross(line[first], line[last], line[k]))) / chord;
    if (d > farthest) {
      farthest = d;
      at = k;
    }
  }
  if (farthest <= tolerance) return;
  keep[at] = true;
  simplifyRange(line, first, at, tolerance, keep);
  simplifyRange(line, at, last, tolerance, keep);
}

}  // namespace

RoundCorners::RoundCorners(const MapModel& model) {
  for (const std::string& record : model.lstWalls) {
    const Feature feature = parseFeature(record);
    if (feature.type == FeatureType::RoundRoom) addRoom(feature.rect);
  }
}

// The steps of the top-left corner run from the end of the top side down to the top of the left
// side; the other corners mirror them.
void RoundCorners::addRoom(const Rect& r) {
  const std::vector<int> insets = roundRoomInsets(r);
  std::vector<MapPoint> local;
  std::size_t row = 0;
  for (; row < insets.size() / 2 && insets[row] > 0; ++row) {
    const int y = static_cast<int>(row);
    local.push_back({insets[row], y});
    local.push_back({insets[row], y + 1});
  }
  if (local.empty()) return;
  local.push_back({0, static_cast<int>(row)});
  // The corners' ellipses are half the room's size (integer halves), as the map draws them.
  const int halfWidth = (r.right - r.left) / 2;
  const int halfHeight = (r.bottom - r.top) / 2;
  const double rx = halfWidth / 2.0;
  const double ry = halfHeight / 2.0;
  for (const bool right : {false, true}) {
    for (const bool bottom : {false, true}) {
      const std::size_t id = m_outside.size();
      m_outside.push_back({right ? r.right : r.left, bottom ? r.bottom : r.top});
      m_ellipses.push_back(
          {right ? r.right - rx : r.left + rx, bottom ? r.bottom - ry : r.top + ry, rx, ry});
      for (const MapPoint& p : local) {
        const MapPoint at{right ? r.right - p.x : r.left + p.x,
                          bottom ? r.bottom - p.y : r.top + p.y};
        m_cornerOf[pointKey(at)] = id;
      }
    }
  }
}

int RoundCorners::corner(const MapPoint& p) const {
  const auto it = m_cornerOf.find(pointKey(p));
  return it == m_cornerOf.end() ? -1 : static_cast<int>(it->second);
}

void RoundCorners::smooth(double tolerance, const std::function<bool(const MapPoint&)>& pinned,
                          std::vector<WallPolyline>& lines) const {
  if (m_outside.empty()) return;
  for (WallPolyline& line : lines) line = smoothLine(std::move(line), tolerance, pinned);
}

WallPolyline RoundCorners::smoothLine(WallPolyline line, double tolerance,
                                      const std::function<bool(const MapPoint&)>& pinned) const {
  // A loop starts where it passes from one corner to something else, so that no corner's steps
  // wrap around its end.
  if (line.size() > 3 && line.front() == line.back()) {
    line.pop_back();
    for (std::size_t i = 0; i < line.size(); ++i) {
      const int here = corner(line[i]);
      if (here < 0 || here != corner(line[(i + line.size() - 1) % line.size()])) {
        std::rotate(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(i), line.end());
        break;
      }
    }
    line.push_back(line.front());
  }
  WallPolyline result;
  for (std::size_t i = 0; i < line.size();) {
    const int here = corner(line[i]);
    std::size_t end = i + 1;
    while (here >= 0 && end < line.size() && corner(line[end]) == here) ++end;
    if (end - i < 3) {
      result.push_back(line[i++]);
      continue;
    }
    // Each stretch between pinned steps gets chords of its own, so the pinned ones stay.
    const MapPoint& outside = m_outside[static_cast<std::size_t>(here)];
    std::size_t from = i;
    for (std::size_t to = i + 1; to < end; ++to) {
      if (to + 1 != end && !pinned(line[to])) continue;
      const std::vector<MapPoint> steps(line.begin() + static_cast<std::ptrdiff_t>(from),
                                        line.begin() + static_cast<std::ptrdiff_t>(to) + 1);
      const std::vector<MapPoint> kept = chords(steps, outside, tolerance);
      result.insert(result.end(), kept.begin() + (from == i ? 0 : 1), kept.end());
      from = to;
    }
    i = end;
  }
  return result;
}

void straightenSteps(const FloorPlan& plan, const std::function<bool(const MapPoint&)>& pinned,
                     int depth, std::vector<WallPolyline>& lines) {
  for (WallPolyline& line : lines) {
    for (std::size_t i = 0; i + 4 < line.size();) i = straightenAt(plan, pinned, depth, line, i);
  }
}

WallPolyline simplifyLine(const WallPolyline& line, double tolerance) {
  if (line.size() < 3) return line;
  std::vector<bool> keep(line.size(), false);
  keep.front() = true;
  keep.back() = true;
  simplifyRange(line, 0, line.size() - 1, tolerance, keep);
  WallPolyline result;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (keep[i]) result.push_back(line[i]);
  }
  return result;
}

}  // namespace delvora
