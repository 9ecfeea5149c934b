#include "export/wall_outline.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>

namespace delvora {

namespace {

// The map as pixel cells: which are floor, and which cell edges lie inside one region (a
// feature or a door's bridge), so that no wall runs there. A feature left..right x top..bottom
// covers the cells left..right-1 x top..bottom-1: touching features share an edge line, and
// that line stays a wall between them unless a door bridges it.
class FloorPlan {
 public:
  explicit FloorPlan(const MapModel& model);

  bool floor(int x, int y) const {
    return x >= 0 && y >= 0 && x < m_width && y < m_height && m_floor[cell(x, y)] != 0;
  }
  // Cells left..right-1 x top..bottom-1 become one region of floor.
  void addRegion(const Rect& r);
  // The straight wall runs: vertical ones first, then horizontal ones.
  std::vector<std::pair<MapPoint, MapPoint>> wallRuns() const;

 private:
  std::size_t cell(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x);
  }
  // Vertical edge at x (0..width) beside row y; horizontal edge at y (0..height) under column x.
  std::size_t verticalEdge(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width + 1) +
           static_cast<std::size_t>(x);
  }
  bool verticalWall(int x, int y) const {
    return (floor(x - 1, y) || floor(x, y)) && m_verticalInside[verticalEdge(x, y)] == 0;
  }
  bool horizontalWall(int x, int y) const {
    return (floor(x, y - 1) || floor(x, y)) && m_horizontalInside[cell(x, y)] == 0;
  }

  int m_width;
  int m_height;
  std::vector<std::uint8_t> m_floor;
  std::vector<std::uint8_t> m_verticalInside;
  // Indexed like cells, with one row more.
  std::vector<std::uint8_t> m_horizontalInside;
};

FloorPlan::FloorPlan(const MapModel& model)
    : m_width(std::max(model.state.mapWidth, 0)),
      m_height(std::max(model.state.mapHeight, 0)),
      m_floor(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), 0),
      m_verticalInside(static_cast<std::size_t>(m_width + 1) * static_cast<std::size_t>(m_height),
                       0),
      m_horizontalInside(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height + 1),
                         0) {
  const std::set<std::string> erased(model.lstErased.begin(), model.lstErased.end());
  for (const std::string& record : model.lstWalls) {
    if (!erased.contains(record)) addRegion(parseFeature(record).rect);
  }
}

void FloorPlan::addRegion(const Rect& r) {
  const int left = std::max(r.left, 0);
  const int top = std::max(r.top, 0);
  const int right = std::min(r.right, m_width);
  const int bottom = std::min(r.bottom, m_height);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      m_floor[cell(x, y)] = 1;
      if (x > left) m_verticalInside[verticalEdge(x, y)] = 1;
      if (y > top) m_horizontalInside[cell(x, y)] = 1;
    }
  }
}

std::vector<std::pair<MapPoint, MapPoint>> FloorPlan::wallRuns() const {
  std::vector<std::pair<MapPoint, MapPoint>> runs;
  for (int x = 0; x <= m_width; ++x) {
    for (int y = 0; y < m_height;) {
      if (!verticalWall(x, y)) {
        ++y;
        continue;
      }
      const int start = y;
      while (y < m_height && verticalWall(x, y)) ++y;
      runs.push_back({{x, start}, {x, y}});
    }
  }
  for (int y = 0; y <= m_height; ++y) {
    for (int x = 0; x < m_width;) {
      if (!horizontalWall(x, y)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < m_width && horizontalWall(x, y)) ++x;
      runs.push_back({{start, y}, {x, y}});
    }
  }
  return runs;
}

// The cells a door joins across its wall line: its whole depth, less the tile's frame.
Rect bridgeOf(const MapDoor& door) {
  const Rect& t = door.tile;
  if (door.orientation == 'H') return {t.left + 1, t.top, t.right - 1, t.bottom};
  return {t.left, t.top + 1, t.right, t.bottom - 1};
}

MapDoor mapDoor(const std::string& record) {
  const DoorRecord parsed = parseDoor(record);
  MapDoor door;
  door.tile = parsed.tile;
  door.orientation = parsed.orientation;
  door.kind = parsed.kind;
  const Rect& t = door.tile;
  if (door.orientation == 'H') {
    door.from = {t.left + 1, t.top + 2};
    door.to = {t.right - 1, t.top + 2};
  } else {
    door.from = {t.left + 2, t.top + 1};
    door.to = {t.left + 2, t.bottom - 1};
  }
  return door;
}

// Floor at the middle of both of the tile's far sides.
bool joinsFloor(const FloorPlan& plan, const MapDoor& door) {
  const Rect& t = door.tile;
  if (door.orientation == 'H') {
    const int x = (t.left + t.right) / 2;
    return plan.floor(x, t.top) && plan.floor(x, t.bottom - 1);
  }
  const int y = (t.top + t.bottom) / 2;
  return plan.floor(t.left, y) && plan.floor(t.right - 1, y);
}

std::uint64_t pointKey(const MapPoint& p) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32) |
         static_cast<std::uint32_t>(p.y);
}

// Joins runs end to end where exactly two meet (a corner); junctions of three or four end
// their polylines.
std::vector<WallPolyline> joinRuns(const std::vector<std::pair<MapPoint, MapPoint>>& runs) {
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> ends;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    ends[pointKey(runs[i].first)].push_back(i);
    ends[pointKey(runs[i].second)].push_back(i);
  }
  std::vector<bool> used(runs.size(), false);
  // Follows corners from point, last walked along run; appends the points reached.
  const auto follow = [&](MapPoint point, std::size_t run, WallPolyline& line) {
    for (;;) {
      const std::vector<std::size_t>& here = ends[pointKey(point)];
      if (here.size() != 2) return;
      const std::size_t next = here[0] == run ? here[1] : here[0];
      if (used[next]) return;
      used[next] = true;
      point = runs[next].first == point ? runs[next].second : runs[next].first;
      line.push_back(point);
      run = next;
    }
  };
  std::vector<WallPolyline> lines;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (used[i]) continue;
    used[i] = true;
    WallPolyline forward{runs[i].first, runs[i].second};
    follow(runs[i].second, i, forward);
    WallPolyline backward;
    follow(runs[i].first, i, backward);
    std::reverse(backward.begin(), backward.end());
    backward.insert(backward.end(), forward.begin(), forward.end());
    lines.push_back(std::move(backward));
  }
  return lines;
}

}  // namespace

std::vector<MapDoor> liveDoors(const MapModel& model) {
  const FloorPlan plan(model);
  std::vector<MapDoor> doors;
  std::set<std::pair<std::uint64_t, std::uint64_t>> openings;
  for (const std::string& record : model.lstDoors) {
    const MapDoor door = mapDoor(record);
    if (!joinsFloor(plan, door)) continue;
    if (!openings.insert({pointKey(door.from), pointKey(door.to)}).second) continue;
    doors.push_back(door);
  }
  return doors;
}

std::vector<WallPolyline> traceWalls(const MapModel& model, const std::vector<MapDoor>& openings) {
  FloorPlan plan(model);
  for (const MapDoor& door : openings) plan.addRegion(bridgeOf(door));
  return joinRuns(plan.wallRuns());
}

}  // namespace delvora
