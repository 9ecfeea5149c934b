#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "engine/map_model.h"
#include "export/floor_plan.h"
#include "export/wall_geometry.h"

namespace delvora {

// The drawn corners of the round rooms: the pixel steps along each corner's arc.
class RoundCorners {
 public:
  explicit RoundCorners(const MapModel& model);

  // A point on the steps of some corner.
  bool contains(const MapPoint& p) const { return corner(p) >= 0; }

  // The quarter ellipse a corner's steps follow, as the map draws round rooms: centre and radii
  // in map pixels.
  struct Ellipse {
    double cx = 0;
    double cy = 0;
    double rx = 0;
    double ry = 0;
  };
  // The corner whose steps p lies on, -1 when none; its ellipse.
  int cornerAt(const MapPoint& p) const { return corner(p); }
  const Ellipse& ellipse(int corner) const { return m_ellipses[static_cast<std::size_t>(corner)]; }

  // Replaces each run of a corner's steps in the lines by a few straight segments. Every
  // segment keeps to the floor side of the steps it replaces (no rock comes inside the walls)
  // and strays at most tolerance pixels from them; pinned steps are kept as they are.
  void smooth(double tolerance, const std::function<bool(const MapPoint&)>& pinned,
              std::vector<WallPolyline>& lines) const;

 private:
  void addRoom(const Rect& room);
  int corner(const MapPoint& p) const;
  WallPolyline smoothLine(WallPolyline line, double tolerance,
                          const std::function<bool(const MapPoint&)>& pinned) const;

  // Per corner, the corner of its rectangle, which lies on the rock side of every chord.
  std::vector<MapPoint> m_outside;
  std::vector<Ellipse> m_ellipses;
  std::unordered_map<std::uint64_t, std::size_t> m_cornerOf;
};

// Straightens small steps of walls: where a wall steps aside by at most depth pixels and comes
// back to its line (a notch, as a closing tile drawn a pixel inside a room's edge makes), or
// turns a corner in two short steps, it runs straight on, as long as what it then passes over
// is not floor. Pinned points stay where they are.
void straightenSteps(const FloorPlan& plan, const std::function<bool(const MapPoint&)>& pinned,
                     int depth, std::vector<WallPolyline>& lines);

// Douglas-Peucker simplification: keeps the ends and the points that stray more than tolerance
// pixels from the line through their neighbours kept. A loop keeps its first point.
WallPolyline simplifyLine(const WallPolyline& line, double tolerance);

}  // namespace delvora
