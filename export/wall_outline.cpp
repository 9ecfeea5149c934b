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

// Floor at the middle of both of the tile's far sides, and no clean-up's rock across the tile
// between them.
bool joinsFloor(const FloorPlan& plan, const MapDoor& door) {
  const Rect& t = door.tile;
  if (door.orientation == 'H') {
    const int x = (t.left + t.right) / 2;
    for (int y = t.top; y < t.bottom; ++y) {
      if (plan.painted(x, y)) return false;
    }
    return plan.floor(x, t.top) && plan.floor(x, t.bottom - 1);
  }
  const int y = (t.top + t.bottom) / 2;
  for (int x = t.left; x < t.right; ++x) {
    if (plan.painted(x, y)) return false;
  }
  return plan.floor(t.left, y) && plan.floor(t.right - 1, y);
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
  std::unordered_set<std::uint64_t> openingEnds;
  for (const MapDoor& door : openings) {
    openingEnds.insert(pointKey(door.from));
    openingEnds.insert(pointKey(door.to));
  }
  const RoundCorners corners(model);
  straightenSteps(
      plan,
      [&](const MapPoint& p) { return openingEnds.contains(pointKey(p)) || corners.contains(p); },
      kThinStep, lines);
  corners.smooth(kArcTolerance, lines);
  return lines;
}

std::vector<WallPolyline> traceChasm(const MapModel& model, const std::vector<MapDoor>& openings) {
  if (model.chasmCourse.size() < 2) return {};
  const FloorPlan plan = openPlan(model, openings);
  const int width = plan.width();
  const std::vector<std::uint8_t> chasm = chasmCells(model, width, plan.height());
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
  std::vector<WallPolyline> lines;
  for (const WallPolyline& line :
       joinRuns(straightRuns(width, plan.height(), vertical, horizontal))) {
    lines.push_back(simplifyLine(line, kChasmTolerance));
  }
  return lines;
}

}  // namespace delvora
