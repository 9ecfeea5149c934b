#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace delvora {

// A point in map pixels, on the lattice between pixels: (x, y) is the top-left corner of pixel
// (x, y).
struct MapPoint {
  int x = 0;
  int y = 0;
  bool operator==(const MapPoint&) const = default;
};

using WallPolyline = std::vector<MapPoint>;
using WallRun = std::pair<MapPoint, MapPoint>;

// One number per point, for hashing.
inline std::uint64_t pointKey(const MapPoint& p) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32) |
         static_cast<std::uint32_t>(p.y);
}

// Whether a wall runs along the unit edge at (x, y): for vertical edges the edge from (x, y) to
// (x, y + 1), for horizontal ones from (x, y) to (x + 1, y).
using EdgeTest = std::function<bool(int x, int y)>;

// The maximal straight runs of wall edges on a width x height map: vertical ones first (x from
// 0 to width, rows 0..height-1), then horizontal ones (y from 0 to height).
std::vector<WallRun> straightRuns(int width, int height, const EdgeTest& vertical,
                                  const EdgeTest& horizontal);

// Fills flags[x] with 1 where a wall runs along unit edge x of line y, else 0: for vertical
// edges x = 0..width on row y (0..height-1), for horizontal ones x = 0..width-1 at y
// (0..height).
using EdgeRow = std::function<void(int y, std::uint8_t* flags)>;

// straightRuns from whole lines of edge flags: the same runs in the same order, without a call
// per edge.
std::vector<WallRun> straightRunsByRow(int width, int height, const EdgeRow& vertical,
                                       const EdgeRow& horizontal);

// Joins runs end to end where exactly two meet (a corner); junctions of three or four end their
// polylines. A loop comes back to its first point.
std::vector<WallPolyline> joinRuns(const std::vector<WallRun>& runs);

// The lines of an outline (joinRuns of the edges around areas) as closed loops: lines that end
// at a junction, where two areas touch corner to corner, are chained there. The loops' even-odd
// fill is the areas.
std::vector<WallPolyline> closeLoops(std::vector<WallPolyline> lines);

}  // namespace delvora
