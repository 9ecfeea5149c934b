// Faults found by importing the exports with the tabletops' own importers: an archway walled
// shut, a Universal VTT scene a pixel short of its picture, a channel beside the chasm's walls
// and walls inside drawn floor without snapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>

#include "engine/dressing_records.h"
#include "export/floor_plan.h"
#include "export/uvtt_export.h"
#include "export/wall_outline.h"
#include "export_test_support.h"
#include "render/scaled_rows.h"

namespace delvora {
namespace {

using nlohmann::json;

// Where the wall segment p-q meets the open part of the door's opening (its span less half a
// pixel at each end), if it does.
bool crossesOpening(const MapPoint& p, const MapPoint& q, const MapDoor& door) {
  const bool horizontal = door.orientation == 'H';
  // Along the wall line (u) and across it (v).
  const double line = horizontal ? door.from.y : door.from.x;
  const double low = (horizontal ? door.from.x : door.from.y) + 0.5;
  const double high = (horizontal ? door.to.x : door.to.y) - 0.5;
  const double pu = horizontal ? p.x : p.y, pv = horizontal ? p.y : p.x;
  const double qu = horizontal ? q.x : q.y, qv = horizontal ? q.y : q.x;
  if (pv == line && qv == line) return std::max(pu, qu) > low && std::min(pu, qu) < high;
  if ((pv - line) * (qv - line) > 0) return false;
  const double u = pu + (qu - pu) * (line - pv) / (qv - pv);
  return u > low && u < high;
}

// The first door of doors whose opening a wall of walls crosses; null when every one is open.
const MapDoor* walledDoor(const std::vector<WallPolyline>& walls,
                          const std::vector<MapDoor>& doors) {
  for (const MapDoor& door : doors) {
    for (const WallPolyline& line : walls) {
      for (std::size_t i = 1; i < line.size(); ++i) {
        if (crossesOpening(line[i - 1], line[i], door)) return &door;
      }
    }
  }
  return nullptr;
}

// An opening drawn on the map is never walled, in either export: the UVTT walls leave archways
// and doors open, the Foundry walls every live door (its door walls span them).
TEST(ExportDefects, NoDrawnOpeningIsWalled) {
  for (const std::uint32_t seed : {41u, 48u, 137u, 158u, 1u, 7u, 66205318u}) {
    Settings settings;
    settings.seed = seed;
    const auto dungeon = testing::makeDungeon(settings);
    const MapModel& model = dungeon->model();
    const std::vector<MapDoor> doors = liveDoors(model);
    // Without clean-ups every door joins two floors, so every one is an opening.
    std::set<std::string> live;
    for (const MapDoor& door : doors) live.insert(doorKey(door.tile));
    for (const std::string& record : model.lstDoors) {
      const DoorRecord door = parseDoor(record);
      EXPECT_TRUE(live.contains(doorKey(door.tile)))
          << "seed " << seed << ": the " << door.kind << " door at " << door.tile.left << ","
          << door.tile.top << " is no opening";
    }
    std::vector<MapDoor> uvttOpenings;  // ordinary doors and archways
    for (const MapDoor& door : doors) {
      if (door.kind == 'N' || door.kind == 'A') uvttOpenings.push_back(door);
    }
    for (const std::vector<MapDoor>* openings : {&doors, &std::as_const(uvttOpenings)}) {
      const MapDoor* walled = walledDoor(traceWalls(model, *openings), *openings);
      EXPECT_EQ(walled, nullptr) << "seed " << seed << ": the " << (walled ? walled->kind : ' ')
                                 << " door at " << (walled ? walled->tile.left : 0) << ","
                                 << (walled ? walled->tile.top : 0) << " is walled shut";
    }
  }
}

// The distance from p to the segment a-b, in pixels.
double distanceToSegment(const MapPoint& p, const MapPoint& a, const MapPoint& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double distanceToWalls(const MapPoint& p, const std::vector<WallPolyline>& walls) {
  double nearest = 1e9;
  for (const WallPolyline& line : walls) {
    for (std::size_t i = 1; i < line.size(); ++i) {
      nearest = std::min(nearest, distanceToSegment(p, line[i - 1], line[i]));
    }
  }
  return nearest;
}

// Every open end of the chasm's outline meets a wall: no channel is left between them for a
// token to walk round the chasm.
TEST(ExportDefects, ChasmOutlineMeetsTheWalls) {
  for (const std::uint32_t seed : {10u, 3u, 22u, 66205318u}) {
    Settings settings;
    settings.seed = seed;
    settings.chasm = true;
    const auto dungeon = testing::makeDungeon(settings);
    const MapModel& model = dungeon->model();
    const std::vector<MapDoor> doors = liveDoors(model);
    const std::vector<WallPolyline> walls = traceWalls(model, doors);
    const std::vector<WallPolyline> chasm = traceChasm(model, doors);
    ASSERT_FALSE(chasm.empty()) << seed;
    // No run of the outline lies one pixel off a wall alongside it (a single pixel beside a
    // round room's step is a pocket, not a way through).
    const std::set<testing::UnitEdge> wallEdges = testing::unitEdges(walls);
    const std::set<testing::UnitEdge> chasmEdges = testing::unitEdges(chasm);
    const auto channel = [&](const testing::UnitEdge& e, int side) {
      return chasmEdges.contains(e) &&
             wallEdges.contains(
                 {e.horizontal ? e.x : e.x + side, e.horizontal ? e.y + side : e.y, e.horizontal});
    };
    for (const testing::UnitEdge& e : chasmEdges) {
      const testing::UnitEdge next{e.horizontal ? e.x + 1 : e.x, e.horizontal ? e.y : e.y + 1,
                                   e.horizontal};
      for (const int side : {-1, 1}) {
        EXPECT_FALSE(channel(e, side) && channel(next, side))
            << "seed " << seed << ": a channel one pixel wide at " << e.x << "," << e.y;
      }
    }
    for (const WallPolyline& line : chasm) {
      if (line.front() == line.back()) continue;
      for (const MapPoint& end : {line.front(), line.back()}) {
        const double gap = distanceToWalls(end, walls);
        EXPECT_EQ(gap, 0) << "seed " << seed << ": the chasm's outline ends at " << end.x << ","
                          << end.y << ", " << gap << " pixels from the nearest wall";
      }
    }
  }
}

// The longest run of a wall's points, a pixel apart, with drawn floor (white) on all four
// pixels around each: a wall that runs inside a room or corridor instead of on its outline.
// Round rooms' corners are left out: their chords cut the drawn steps by design.
struct FloorRun {
  int length = 0;
  MapPoint at;
};

FloorRun longestRunInFloor(const Bitmap& map, const MapModel& model,
                           const std::vector<WallPolyline>& walls) {
  // A door's tile is drawn over the wall line, archways in white: not a room's floor.
  const auto onDoor = [&](int x, int y) {
    for (const std::string& record : model.lstDoors) {
      const Rect t = parseDoor(record).tile;
      if (t.left <= x && x <= t.right && t.top <= y && y <= t.bottom) return true;
    }
    return false;
  };
  const auto white = [&](int x, int y) {
    return map.contains(x, y) && map.pixel(x, y) == colors::kWhite && !onDoor(x, y);
  };
  FloorRun longest;
  for (const WallPolyline& line : walls) {
    int run = 0;
    for (std::size_t i = 1; i < line.size(); ++i) {
      const MapPoint a = line[i - 1], b = line[i];
      if (a.x != b.x && a.y != b.y) {
        run = 0;
        continue;
      }
      const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
      for (int k = 0; k < steps; ++k) {
        const int x = a.x + (b.x - a.x) * k / steps;
        const int y = a.y + (b.y - a.y) * k / steps;
        const bool inFloor =
            white(x - 1, y - 1) && white(x, y - 1) && white(x - 1, y) && white(x, y);
        run = inFloor ? run + 1 : 0;
        if (run > longest.length) longest = {run, {x, y}};
      }
    }
  }
  return longest;
}

// Without snapping, walls stay on the drawn outlines: never more than a pixel of a wall runs
// through drawn floor.
TEST(ExportDefects, WallsStayOnTheDrawnLinesWithoutSnapping) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    Settings settings;
    settings.seed = seed;
    settings.snapToGrid = false;
    settings.drawGrid = false;
    settings.iterations = 600;
    const auto dungeon = testing::makeDungeon(settings);
    const MapModel& model = dungeon->model();
    const FloorRun run =
        longestRunInFloor(dungeon->picture(), model, traceWalls(model, liveDoors(model)));
    EXPECT_LE(run.length, 1) << "seed " << seed << ": " << run.length
                             << " pixels of wall in drawn floor, ending at " << run.at.x << ","
                             << run.at.y;
  }
}

// The importer multiplies map_size by pixels_per_grid and truncates: the product is never below
// the picture's side, at any scale and map size.
TEST(ExportDefects, UvttMapSizeNeverFallsShortOfThePicture) {
  for (int index = 0; index <= 3; ++index) {
    const MapSize size = mapSizeFor(static_cast<MapSizeIndex>(index));
    for (int px = 1; px <= 1000; ++px) {
      for (const int side : {size.width, size.height}) {
        const long picture = scaledLength(side, px);
        const double squares = uvttMapSize(picture, px);
        // The text the file holds, read back as the importer reads it.
        const double read = json::parse(json(squares).dump()).get<double>();
        ASSERT_GE(static_cast<long>(read * px), picture) << side << " pixels at " << px;
        ASSERT_LE(read * px, picture + 0.5) << side << " pixels at " << px;
      }
    }
  }
}

}  // namespace
}  // namespace delvora
