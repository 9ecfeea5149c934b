#include "export/wall_outline.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <unordered_set>

#include "export/floor_plan.h"
#include "export/wall_shapes.h"
#include "render/raster_shapes.h"

namespace delvora {

namespace {

// Floor on both of the tile's far sides in some line across the tile, with no clean-up's rock
// between them. Any line will do: an archway on a round room's corner opens onto the corner's
// floor on one part of its width only, and it is drawn open all the same.
bool joinsFloor(const FloorPlan& plan, const MapDoor& door) {
  const Rect& t = door.tile;
  const bool horizontal = door.orientation == 'H';
  const int first = (horizontal ? t.left : t.top) + 1;
  const int last = (horizontal ? t.right : t.bottom) - 1;
  const int nearSide = horizontal ? t.top : t.left;
  const int farSide = (horizontal ? t.bottom : t.right) - 1;
  const auto floorAt = [&](int u, int v) {
    return horizontal ? plan.floor(u, v) : plan.floor(v, u);
  };
  const auto paintedAt = [&](int u, int v) {
    return horizontal ? plan.painted(u, v) : plan.painted(v, u);
  };
  for (int u = first; u < last; ++u) {
    if (!floorAt(u, nearSide) || !floorAt(u, farSide)) continue;
    bool rock = false;
    for (int v = nearSide; v <= farSide && !rock; ++v) rock = paintedAt(u, v);
    if (!rock) return true;
  }
  return false;
}

// Floor areas smaller than this are slivers a clean-up's tiles left, not rooms: the smallest
// feature is a 16 x 16 square, and the thinnest stretch joins a corridor.
constexpr int kPocketCells = 64;
// Steps of walls this deep or less are straightened where no floor is lost.
constexpr int kThinStep = 2;
// How far the chords of a round room's corner may stray from its drawn steps.
constexpr double kArcTolerance = 2.0;
// How far the chasm's walls may stray from its drawn edge.
constexpr double kChasmTolerance = 1.5;

FloorPlan openPlan(const MapModel& model, const std::vector<MapDoor>& openings) {
  FloorPlan plan(model);
  for (const MapDoor& door : openings) plan.addBridge(door);
  plan.dropPockets(kPocketCells);
  return plan;
}

// The cells the chasm's strokes cover, as the canvas draws them.
std::vector<std::uint8_t> chasmCells(const MapModel& model, int width, int height) {
  std::vector<std::uint8_t> cells(
      static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  const std::vector<CoursePoint>& course = model.chasmCourse;
  const PixelBounds bounds{0, 0, width - 1, height - 1};
  for (std::size_t i = 1; i < course.size(); ++i) {
    const CoursePoint& a = course[i - 1];
    const CoursePoint& b = course[i];
    strokeSpans(a.x, a.y, b.x, b.y, b.width, bounds, [&](int y, int x0, int x1) {
      const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
      std::fill(cells.begin() + static_cast<std::ptrdiff_t>(row + static_cast<std::size_t>(x0)),
                cells.begin() + static_cast<std::ptrdiff_t>(row + static_cast<std::size_t>(x1) + 1),
                1);
    });
  }
  return cells;
}

// Floor one pixel wide between the chasm and a wall goes to the chasm: its outline would
// otherwise leave a channel there for tokens to walk round it.
void closeChannels(const FloorPlan& plan, std::vector<std::uint8_t>& chasm) {
  const int width = plan.width();
  const std::vector<std::uint8_t> drawn = chasm;
  const auto at = [width](int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
  };
  const auto inChasm = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < width && y < plan.height() && drawn[at(x, y)] != 0;
  };
  for (int y = 0; y < plan.height(); ++y) {
    for (int x = 0; x < width; ++x) {
      if (drawn[at(x, y)] != 0 || !plan.floor(x, y)) continue;
      const bool pinched = (inChasm(x - 1, y) && plan.verticalWall(x + 1, y)) ||
                           (inChasm(x + 1, y) && plan.verticalWall(x, y)) ||
                           (inChasm(x, y - 1) && plan.horizontalWall(x, y + 1)) ||
                           (inChasm(x, y + 1) && plan.horizontalWall(x, y));
      if (pinched) chasm[at(x, y)] = 1;
    }
  }
}

// The outline of the chasm across the floor of plan, pixel step by pixel step; empty without a
// chasm.
std::vector<WallPolyline> chasmRuns(const MapModel& model, const FloorPlan& plan) {
  if (model.chasmCourse.size() < 2) return {};
  const int width = plan.width();
  std::vector<std::uint8_t> chasm = chasmCells(model, width, plan.height());
  closeChannels(plan, chasm);
  const auto inChasm = [&](int x, int y) {
    return chasm[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                 static_cast<std::size_t>(x)] != 0;
  };
  // An edge between two floor cells with no wall on it, one in the chasm and one not.
  const auto vertical = [&](int x, int y) {
    return plan.floor(x - 1, y) && plan.floor(x, y) && !plan.verticalWall(x, y) &&
           inChasm(x - 1, y) != inChasm(x, y);
  };
  const auto horizontal = [&](int x, int y) {
    return plan.floor(x, y - 1) && plan.floor(x, y) && !plan.horizontalWall(x, y) &&
           inChasm(x, y - 1) != inChasm(x, y);
  };
  return joinRuns(straightRuns(width, plan.height(), vertical, horizontal));
}

// Makes each point a vertex of the line whose straight segment passes through it.
void splitAt(const std::vector<MapPoint>& points, std::vector<WallPolyline>& lines) {
  for (const MapPoint& p : points) {
    for (WallPolyline& line : lines) {
      for (std::size_t i = 1; i < line.size(); ++i) {
        const MapPoint& a = line[i - 1];
        const MapPoint& b = line[i];
        const bool inside =
            (a.x == b.x && a.x == p.x && std::min(a.y, b.y) < p.y && p.y < std::max(a.y, b.y)) ||
            (a.y == b.y && a.y == p.y && std::min(a.x, b.x) < p.x && p.x < std::max(a.x, b.x));
        if (inside) {
          line.insert(line.begin() + static_cast<std::ptrdiff_t>(i), p);
          break;
        }
      }
    }
  }
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
  const FloorPlan plan = openPlan(model, openings);
  std::vector<WallPolyline> lines = joinRuns(straightRuns(
      plan.width(), plan.height(), [&plan](int x, int y) { return plan.verticalWall(x, y); },
      [&plan](int x, int y) { return plan.horizontalWall(x, y); }));
  // Door openings and the ends of the chasm's outline stay where they are, so that nothing is
  // left between them and the walls.
  std::unordered_set<std::uint64_t> pinnedPoints;
  for (const MapDoor& door : openings) {
    pinnedPoints.insert(pointKey(door.from));
    pinnedPoints.insert(pointKey(door.to));
  }
  std::vector<MapPoint> chasmEnds;
  for (const WallPolyline& line : chasmRuns(model, plan)) {
    chasmEnds.push_back(line.front());
    chasmEnds.push_back(line.back());
  }
  splitAt(chasmEnds, lines);
  for (const MapPoint& end : chasmEnds) pinnedPoints.insert(pointKey(end));
  const auto pinned = [&](const MapPoint& p) { return pinnedPoints.contains(pointKey(p)); };
  const RoundCorners corners(model);
  straightenSteps(
      plan, [&](const MapPoint& p) { return pinned(p) || corners.contains(p); }, kThinStep, lines);
  corners.smooth(kArcTolerance, pinned, lines);
  return lines;
}

std::vector<WallPolyline> traceChasm(const MapModel& model, const std::vector<MapDoor>& openings) {
  std::vector<WallPolyline> lines;
  for (const WallPolyline& line : chasmRuns(model, openPlan(model, openings))) {
    lines.push_back(simplifyLine(line, kChasmTolerance));
  }
  return lines;
}

}  // namespace delvora
