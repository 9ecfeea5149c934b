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

// Joins runs end to end where exactly two meet (a corner); junctions of three or four end their
// polylines. A loop comes back to its first point.
std::vector<WallPolyline> joinRuns(const std::vector<WallRun>& runs);

}  // namespace delvora
