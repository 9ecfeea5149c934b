#include "export/wall_outline.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <unordered_set>

#include "engine/dimensions.h"
#include "export/floor_plan.h"
#include "export/wall_shapes.h"
#include "render/raster_shapes.h"

namespace delvora {

namespace {

// A clean-up's rock across the middle of the tile.
bool paintedOver(const FloorPlan& plan, const MapDoor& door) {
  const Rect& t = door.tile;
  if (door.orientation == 'H') {
    const int x = (t.left + t.right) / 2;
    for (int y = t.top; y < t.bottom; ++y) {
      if (plan.painted(x, y)) return true;
    }
    return false;
  }
  const int y = (t.top + t.bottom) / 2;
  for (int x = t.left; x < t.right; ++x) {
    if (plan.painted(x, y)) return true;
  }
  return false;
}

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

// The doors of lstDoors that pass test, one per opening.
template <typename Test>
std::vector<MapDoor> doorsWhere(const MapModel& model, Test test) {
  std::vector<MapDoor> doors;
  std::set<std::pair<std::uint64_t, std::uint64_t>> openings;
  for (const std::string& record : model.lstDoors) {
    const MapDoor door = mapDoor(record);
    if (!test(door)) continue;
    if (!openings.insert({pointKey(door.from), pointKey(door.to)}).second) continue;
    doors.push_back(door);
  }
  return doors;
}

std::vector<MapDoor> liveDoorsOf(const MapModel& model, const FloorPlan& plan) {
  return doorsWhere(model, [&plan](const MapDoor& door) { return joinsFloor(plan, door); });
}

void openPlan(FloorPlan& plan, const std::vector<MapDoor>& openings) {
  for (const MapDoor& door : openings) plan.addBridge(door);
  plan.dropPockets(kPocketCells);
}

// Joins traced outline runs into lines and evens out their steps and round rooms' corners.
std::vector<WallPolyline> shapeLines(const MapModel& model, const FloorPlan& plan,
                                     const std::vector<MapDoor>& openings,
                                     const std::vector<WallPolyline>& chasmRuns,
                                     std::vector<WallPolyline> lines) {
  // Door openings and the ends of the chasm's outline stay where they are, so that nothing is
  // left between them and the walls.
  std::unordered_set<std::uint64_t> pinnedPoints;
  for (const MapDoor& door : openings) {
    pinnedPoints.insert(pointKey(door.from));
    pinnedPoints.insert(pointKey(door.to));
  }
  std::vector<MapPoint> chasmEnds;
  for (const WallPolyline& line : chasmRuns) {
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

std::vector<WallPolyline> wallsOf(const MapModel& model, const FloorPlan& plan,
                                  const std::vector<MapDoor>& openings,
                                  const std::vector<WallPolyline>& chasmRuns) {
  std::vector<WallPolyline> lines = joinRuns(straightRunsByRow(
      plan.width(), plan.height(),
      [&plan](int y, std::uint8_t* flags) { plan.verticalWalls(y, flags); },
      [&plan](int y, std::uint8_t* flags) { plan.horizontalWalls(y, flags); }));
  return shapeLines(model, plan, openings, chasmRuns, std::move(lines));
}

std::vector<WallPolyline> floorOf(const MapModel& model, const FloorPlan& plan,
                                  const std::vector<MapDoor>& openings,
                                  const std::vector<WallPolyline>& chasmRuns) {
  std::vector<WallPolyline> lines = closeLoops(joinRuns(straightRunsByRow(
      plan.width(), plan.height(),
      [&plan](int y, std::uint8_t* flags) { plan.verticalWalls(y, flags, true); },
      [&plan](int y, std::uint8_t* flags) { plan.horizontalWalls(y, flags, true); })));
  return shapeLines(model, plan, openings, chasmRuns, std::move(lines));
}

using ChasmCells = std::vector<std::uint8_t, PixelAllocator<std::uint8_t>>;

// The cells the chasm's strokes cover, as the canvas draws them.
ChasmCells chasmCells(const MapModel& model, int width, int height) {
  ChasmCells cells(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
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
void closeChannels(const FloorPlan& plan, ChasmCells& chasm) {
  const int width = plan.width();
  const ChasmCells drawn = chasm;
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

// The outline of the chasm across the floor of plan, pixel step by pixel step: the edges between
// two floor cells with no wall on them, one in the chasm and one not; empty without a chasm.
std::vector<WallPolyline> chasmRunsOf(const MapModel& model, const FloorPlan& plan) {
  if (model.chasmCourse.size() < 2) return {};
  const int width = plan.width();
  const int height = plan.height();
  ChasmCells chasm = chasmCells(model, width, height);
  closeChannels(plan, chasm);
  const std::size_t edges = static_cast<std::size_t>(width) + 1;
  std::vector<std::uint8_t> walls(edges);
  std::vector<std::uint8_t> floor(edges);
  std::vector<std::uint8_t> floorAbove(edges);
  const auto row = [&](int y) {
    return chasm.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
  };
  // The rows are combined through local pointers and a local width (the flags, being bytes, might
  // alias anything else) so that the loops run many cells at a time.
  const auto vertical = [&](int y, std::uint8_t* flags) {
    plan.verticalWalls(y, walls.data());
    plan.floorRow(y, floor.data());
    const std::uint8_t* w = walls.data();
    const std::uint8_t* f = floor.data();
    const std::uint8_t* c = row(y);
    const int n = width;
    flags[0] = 0;
    for (int x = 1; x < n; ++x) {
      flags[x] = static_cast<std::uint8_t>(f[x - 1] & f[x] & (w[x] ^ 1) & (c[x - 1] ^ c[x]));
    }
    flags[n] = 0;
  };
  const auto horizontal = [&](int y, std::uint8_t* flags) {
    if (y == 0 || y == height) {
      std::fill_n(flags, width, std::uint8_t{0});
      return;
    }
    plan.horizontalWalls(y, walls.data());
    plan.floorRow(y - 1, floorAbove.data());
    plan.floorRow(y, floor.data());
    const std::uint8_t* w = walls.data();
    const std::uint8_t* fa = floorAbove.data();
    const std::uint8_t* fb = floor.data();
    const std::uint8_t* above = row(y - 1);
    const std::uint8_t* below = row(y);
    const int n = width;
    for (int x = 0; x < n; ++x) {
      flags[x] = static_cast<std::uint8_t>(fa[x] & fb[x] & (w[x] ^ 1) & (above[x] ^ below[x]));
    }
  };
  return joinRuns(straightRunsByRow(width, height, vertical, horizontal));
}

// The chasm's outline, its steps evened out.
std::vector<WallPolyline> chasmOf(const std::vector<WallPolyline>& runs) {
  std::vector<WallPolyline> lines;
  lines.reserve(runs.size());
  for (const WallPolyline& line : runs) lines.push_back(simplifyLine(line, kChasmTolerance));
  return lines;
}

// Which grid squares hold floor.
void markFloorSquares(const FloorPlan& plan, TracedMap& traced) {
  traced.squaresAcross = (plan.width() + kGridSize - 1) / kGridSize;
  traced.squaresDown = (plan.height() + kGridSize - 1) / kGridSize;
  traced.floorSquares.assign(
      static_cast<std::size_t>(traced.squaresAcross) * static_cast<std::size_t>(traced.squaresDown),
      0);
  // Whole squares' rows of floor, and the part square at the right edge.
  std::vector<std::uint8_t> floor(static_cast<std::size_t>(traced.squaresAcross) * kGridSize, 0);
  for (int y = 0; y < plan.height(); ++y) {
    plan.floorRow(y, floor.data());
    std::uint8_t* squares =
        traced.floorSquares.data() +
        static_cast<std::size_t>(y / kGridSize) * static_cast<std::size_t>(traced.squaresAcross);
    for (int column = 0; column < traced.squaresAcross; ++column) {
      std::uint64_t words[kGridSize / 8];
      std::memcpy(words, floor.data() + static_cast<std::size_t>(column) * kGridSize, sizeof words);
      std::uint64_t any = 0;
      for (const std::uint64_t word : words) any |= word;
      if (any != 0) squares[column] = 1;
    }
  }
}

}  // namespace

std::vector<MapDoor> liveDoors(const MapModel& model) {
  return liveDoorsOf(model, FloorPlan(model));
}

std::vector<WallPolyline> traceWalls(const MapModel& model, const std::vector<MapDoor>& openings) {
  FloorPlan plan(model);
  openPlan(plan, openings);
  return wallsOf(model, plan, openings, chasmRunsOf(model, plan));
}

std::vector<WallPolyline> traceChasm(const MapModel& model, const std::vector<MapDoor>& openings) {
  if (model.chasmCourse.size() < 2) return {};
  FloorPlan plan(model);
  openPlan(plan, openings);
  return chasmOf(chasmRunsOf(model, plan));
}

TracedMap traceMap(const MapModel& model, std::string_view openingKinds) {
  TracedMap traced;
  FloorPlan plan(model);
  traced.doors = liveDoorsOf(model, plan);
  traced.shown =
      doorsWhere(model, [&plan](const MapDoor& door) { return !paintedOver(plan, door); });
  for (const MapDoor& door : traced.doors) {
    if (openingKinds.find(door.kind) != std::string_view::npos) traced.openings.push_back(door);
  }
  openPlan(plan, traced.openings);
  const std::vector<WallPolyline> chasmRuns = chasmRunsOf(model, plan);
  traced.walls = wallsOf(model, plan, traced.openings, chasmRuns);
  traced.floor = floorOf(model, plan, traced.openings, chasmRuns);
  traced.chasm = chasmOf(chasmRuns);
  markFloorSquares(plan, traced);
  return traced;
}

}  // namespace delvora
