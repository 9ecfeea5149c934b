#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/map_model.h"
#include "export/map_door.h"
#include "render/pixel_allocator.h"

namespace delvora {

// A run of thin rock across one line of cells between two floors: from v0 to v1 across the
// gap, with floor of region before at v0 - 1 and of region after at v1 + 1; u along the gap.
struct GapCells {
  int v0;
  int v1;
  std::int32_t before;
  std::int32_t after;
  int u;
  auto operator<=>(const GapCells&) const = default;
};

// Which of its two floors a gap goes to.
enum class GapSide { Neither, Before, After };

// The map as drawn, as pixel cells: which are floor, and the region (a feature) each floor cell
// belongs to. A feature left..right x top..bottom covers the cells left..right-1 x
// top..bottom-1: touching features share an edge line, and that line stays a wall between them
// unless a door's bridge joins them there. Round rooms cover the cells their rounded outline is
// drawn on; a dead-end clean-up's tiles paint cells as rock.
class FloorPlan {
 public:
  // The features of lstWalls as drawn (in the order built, so a later one covers an earlier one
  // it overlaps), less the erased ones (lstErased) and the rock the
  // clean-ups painted (cleanUpPaint). Rock one or two pixels thin between two floors (a stretch
  // that ends a pixel short of what it meets) goes to one of them, so that their walls run
  // straight on: to the one whose wall line a door crosses it on, else to the narrower one.
  // Round rooms keep their drawn corners.
  explicit FloorPlan(const MapModel& model);

  int width() const { return m_width; }
  int height() const { return m_height; }
  bool floor(int x, int y) const { return has(x, y, kFloor); }
  // Painted as rock by a clean-up, whatever was drawn there before.
  bool painted(int x, int y) const { return has(x, y, kPainted); }

  // Joins the floor on both sides of the door's wall line across its bridge (bridgeOf), as its
  // tile does on the map, except the cells a clean-up painted over afterwards.
  void addBridge(const MapDoor& door);
  // Turns every floor area of fewer than minCells cells into rock: the slivers of floor that a
  // clean-up's tiles can leave between their rock.
  void dropPockets(int minCells);

  // A wall on the vertical edge at x (0..width) beside row y, between cells (x - 1, y) and
  // (x, y): floor on one side only, or two regions meeting there without a bridge.
  bool verticalWall(int x, int y) const {
    return wallBetween(x - 1, y, x, y, m_verticalBridged[verticalEdge(x, y)]);
  }
  // A wall on the horizontal edge at y (0..height) above column x.
  bool horizontalWall(int x, int y) const {
    return wallBetween(x, y - 1, x, y, m_horizontalBridged[horizontalEdge(x, y)]);
  }

  // A whole row of verticalWall: walls[x] for x = 0..width on row y, 1 for a wall, else 0; with
  // floorOnly, only the edges between floor and no floor (the floor's outline).
  void verticalWalls(int y, std::uint8_t* walls, bool floorOnly = false) const;
  // A whole line of horizontalWall: walls[x] for x = 0..width-1 at y = 0..height.
  void horizontalWalls(int y, std::uint8_t* walls, bool floorOnly = false) const;
  // Row y's cells: floor[x] 1 for floor, else 0.
  void floorRow(int y, std::uint8_t* floor) const;

 private:
  static constexpr std::uint8_t kFloor = 1;
  static constexpr std::uint8_t kPainted = 2;

  bool has(int x, int y, std::uint8_t flag) const {
    return inside(x, y) && (m_cells[cell(x, y)] & flag) != 0;
  }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  bool wallBetween(int ax, int ay, int bx, int by, std::uint8_t bridged) const {
    const bool a = floor(ax, ay);
    const bool b = floor(bx, by);
    if (a != b) return true;
    return a && bridged == 0 && m_regions[cell(ax, ay)] != m_regions[cell(bx, by)];
  }
  std::size_t cell(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x);
  }
  std::size_t verticalEdge(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width + 1) +
           static_cast<std::size_t>(x);
  }
  std::size_t horizontalEdge(int x, int y) const { return cell(x, y); }

  // Cells left + insets[i] .. right - 1 - insets[i] of each row top + i become floor of a new
  // region; empty insets make the whole rectangle.
  void addShape(const Rect& r, const std::vector<int>& insets, bool round = false);
  void paint(const PaintedTiles& tiles);
  // Closes thin gaps across rows (acrossRows) or across columns; see the constructor.
  void closeThinGaps(const std::vector<MapDoor>& doors, bool acrossRows);
  // The thin gaps across rows or columns, sorted so that runs of one gap lie together.
  std::vector<GapCells> thinGaps(bool acrossRows) const;
  GapSide narrowerSide(bool acrossRows, const GapCells& first, int lastU) const;
  // Cells seen along a gap (u) and across it (v).
  std::size_t gapCell(bool acrossRows, int u, int v) const {
    return acrossRows ? cell(u, v) : cell(v, u);
  }
  bool gapFloor(bool acrossRows, int u, int v) const {
    return acrossRows ? floor(u, v) : floor(v, u);
  }
  std::int32_t gapRegion(bool acrossRows, int u, int v) const {
    return m_regions[gapCell(acrossRows, u, v)];
  }

  int m_width;
  int m_height;
  // A cell or edge a byte or four, on huge pages: a fresh small page costs a fault of several
  // microseconds, and the largest map's plan takes thousands.
  template <typename T>
  using Cells = std::vector<T, PixelAllocator<T>>;

  Cells<std::uint8_t> m_cells;
  // The region of each cell; a painted cell keeps its own in case a closing tile restores it.
  Cells<std::int32_t> m_regions;
  std::int32_t m_regionCount = 0;
  // Per region: drawn with round corners.
  std::vector<bool> m_roundRegions{false};
  Cells<std::uint8_t> m_verticalBridged;
  // Indexed like cells, with one row more.
  Cells<std::uint8_t> m_horizontalBridged;
};

// How many pixels the drawn corners cut off each end of every row of a round room r, top row
// first, as the map draws it.
std::vector<int> roundRoomInsets(const Rect& r);

}  // namespace delvora
