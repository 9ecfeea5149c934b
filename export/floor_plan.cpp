#include "export/floor_plan.h"

#include <algorithm>
#include <set>
#include <string>

#include "render/raster_shapes.h"
#include "render/tiles.h"

namespace delvora {

std::vector<int> roundRoomInsets(const Rect& r) {
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  return roundRectInsets(width, height, width / 2, height / 2);
}

FloorPlan::FloorPlan(const MapModel& model)
    : m_width(std::max(model.state.mapWidth, 0)),
      m_height(std::max(model.state.mapHeight, 0)),
      m_cells(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), 0),
      m_regions(m_cells.size(), 0),
      m_verticalBridged(static_cast<std::size_t>(m_width + 1) * static_cast<std::size_t>(m_height),
                        0),
      m_horizontalBridged(
          static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height + 1), 0) {
  const std::set<std::string> erased(model.lstErased.begin(), model.lstErased.end());
  // Overlapping features are drawn over one another, so the one built last owns the cells they
  // share; a model put together without building has only lstWalls.
  const bool built = model.builtOrder.size() == model.lstWalls.size();
  const std::vector<std::string> features =
      built ? model.builtOrder
            : std::vector<std::string>(model.lstWalls.begin(), model.lstWalls.end());
  for (const std::string& record : features) {
    if (erased.contains(record)) continue;
    const Feature feature = parseFeature(record);
    const bool round = feature.type == FeatureType::RoundRoom;
    addShape(feature.rect, round ? roundRoomInsets(feature.rect) : std::vector<int>{}, round);
  }
  for (const PaintedTiles& tiles : model.cleanUpPaint) paint(tiles);
  std::vector<MapDoor> doors;
  for (const std::string& record : model.lstDoors) doors.push_back(mapDoor(record));
  closeThinGaps(doors, true);
  closeThinGaps(doors, false);
}

void FloorPlan::addShape(const Rect& r, const std::vector<int>& insets, bool round) {
  const std::int32_t region = ++m_regionCount;
  m_roundRegions.push_back(round);
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, m_height); ++y) {
    const std::size_t row = static_cast<std::size_t>(y - r.top);
    const int inset = row < insets.size() ? insets[row] : 0;
    for (int x = std::max(r.left + inset, 0); x < std::min(r.right - inset, m_width); ++x) {
      m_cells[cell(x, y)] = kFloor;
      m_regions[cell(x, y)] = region;
    }
  }
}

// Fill tiles paint rock wherever they land. A closing tile's rock pixels do the same, its floor
// pixels give back the floor of a feature that a fill painted over before, and its wall pixels
// leave the cell as it was: the wall runs along their outer side, as along a room's outline.
void FloorPlan::paint(const PaintedTiles& tiles) {
  const bool fill = tiles.tile == Tile::Speckled || tiles.tile == Tile::SmallWhite;
  const TileImage& image = tileImage(tiles.tile);
  const Rect& a = tiles.area;
  for (int y = std::max(a.top, 0); y < std::min(a.bottom, m_height); ++y) {
    for (int x = std::max(a.left, 0); x < std::min(a.right, m_width); ++x) {
      std::uint8_t& c = m_cells[cell(x, y)];
      const Rgb pixel = fill ? colors::kRock : image.pixel(x - a.left, y - a.top);
      if (pixel == colors::kRock) {
        c = kPainted;
      } else if (pixel == colors::kWhite && m_regions[cell(x, y)] != 0) {
        c = kFloor;
      }
    }
  }
}

void FloorPlan::addBridge(const MapDoor& door) {
  const Rect r = bridgeOf(door);
  const Rect clipped{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, m_width),
                     std::min(r.bottom, m_height)};
  const bool horizontal = door.orientation == 'H';
  const int line = wallLine(door);
  const auto nearSide = [&](int x, int y) { return (horizontal ? y : x) < line; };
  // The floor each side of the wall line goes on into the tile: where the tile reaches over rock
  // (a round room's corner), that rock becomes the floor of its side.
  std::int32_t sides[2] = {0, 0};
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    for (int x = clipped.left; x < clipped.right; ++x) {
      std::int32_t& side = sides[nearSide(x, y) ? 0 : 1];
      if (side == 0 && floor(x, y)) side = m_regions[cell(x, y)];
    }
  }
  for (std::int32_t& side : sides) {
    if (side != 0) continue;
    side = ++m_regionCount;
    m_roundRegions.push_back(false);
  }
  const auto open = [this](int x, int y) { return !painted(x, y); };
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    for (int x = clipped.left; x < clipped.right; ++x) {
      if (!open(x, y)) continue;
      if (!floor(x, y)) {
        m_cells[cell(x, y)] = kFloor;
        m_regions[cell(x, y)] = sides[nearSide(x, y) ? 0 : 1];
      }
      if (x > clipped.left && open(x - 1, y)) m_verticalBridged[verticalEdge(x, y)] = 1;
      if (y > clipped.top && open(x, y - 1)) m_horizontalBridged[horizontalEdge(x, y)] = 1;
    }
  }
}

namespace {

// Rock at most this thick between two floors is a gap to close.
constexpr int kThinGap = 2;

// The door tiles that straddle the gap decide where its wall line stays; their lines must
// agree and lie on one of its two edges. crossed tells whether any straddles it.
GapSide sideOfDoors(const std::vector<MapDoor>& doors, bool acrossRows, const GapCells& first,
                    int lastU, bool& crossed) {
  GapSide side = GapSide::Neither;
  crossed = false;
  for (const MapDoor& door : doors) {
    if ((door.orientation == 'H') != acrossRows) continue;
    const Rect& t = door.tile;
    const int along0 = acrossRows ? t.left : t.top;
    const int along1 = acrossRows ? t.right : t.bottom;
    const int across0 = acrossRows ? t.top : t.left;
    const int across1 = acrossRows ? t.bottom : t.right;
    if (along1 <= first.u || along0 > lastU || across1 <= first.v0 || across0 > first.v1) continue;
    const int line = wallLine(door);
    const GapSide wanted = line == first.v0       ? GapSide::After
                           : line == first.v1 + 1 ? GapSide::Before
                                                  : GapSide::Neither;
    if (wanted == GapSide::Neither || (crossed && wanted != side)) return GapSide::Neither;
    side = wanted;
    crossed = true;
  }
  return side;
}

}  // namespace

std::vector<GapCells> FloorPlan::thinGaps(bool acrossRows) const {
  const int along = acrossRows ? m_width : m_height;
  const int across = acrossRows ? m_height : m_width;
  std::vector<GapCells> gaps;
  for (int u = 0; u < along; ++u) {
    for (int v = 1; v < across; ++v) {
      if (m_cells[gapCell(acrossRows, u, v)] != 0 || !gapFloor(acrossRows, u, v - 1)) continue;
      int v1 = v;
      while (v1 + 1 < across && v1 - v + 1 <= kThinGap &&
             m_cells[gapCell(acrossRows, u, v1 + 1)] == 0) {
        ++v1;
      }
      const std::int32_t before = gapRegion(acrossRows, u, v - 1);
      if (v1 - v + 1 <= kThinGap && gapFloor(acrossRows, u, v1 + 1)) {
        const std::int32_t after = gapRegion(acrossRows, u, v1 + 1);
        if (!m_roundRegions[static_cast<std::size_t>(before)] &&
            !m_roundRegions[static_cast<std::size_t>(after)]) {
          gaps.push_back({v, v1, before, after, u});
        }
      }
      v = v1;
    }
  }
  std::sort(gaps.begin(), gaps.end());
  return gaps;
}

// The side that reaches past the gap's ends keeps its wall, and the other runs on to meet it;
// when both do, the gap stays.
GapSide FloorPlan::narrowerSide(bool acrossRows, const GapCells& first, int lastU) const {
  const auto reaches = [&](int v, std::int32_t region) {
    return (gapFloor(acrossRows, first.u - 1, v) &&
            gapRegion(acrossRows, first.u - 1, v) == region) ||
           (gapFloor(acrossRows, lastU + 1, v) && gapRegion(acrossRows, lastU + 1, v) == region);
  };
  const bool beforeReaches = reaches(first.v0 - 1, first.before);
  const bool afterReaches = reaches(first.v1 + 1, first.after);
  if (beforeReaches && afterReaches) return GapSide::Neither;
  return beforeReaches ? GapSide::After : GapSide::Before;
}

void FloorPlan::closeThinGaps(const std::vector<MapDoor>& doors, bool acrossRows) {
  const std::vector<GapCells> gaps = thinGaps(acrossRows);
  for (std::size_t i = 0; i < gaps.size();) {
    // A run: the same gap across consecutive lines.
    const GapCells& first = gaps[i];
    std::size_t end = i + 1;
    while (end < gaps.size() && gaps[end].v0 == first.v0 && gaps[end].v1 == first.v1 &&
           gaps[end].before == first.before && gaps[end].after == first.after &&
           gaps[end].u == gaps[end - 1].u + 1) {
      ++end;
    }
    const int lastU = gaps[end - 1].u;
    bool crossed = false;
    GapSide side = sideOfDoors(doors, acrossRows, first, lastU, crossed);
    if (!crossed) side = narrowerSide(acrossRows, first, lastU);
    if (side != GapSide::Neither) {
      const std::int32_t region = side == GapSide::Before ? first.before : first.after;
      for (std::size_t k = i; k < end; ++k) {
        for (int v = first.v0; v <= first.v1; ++v) {
          m_cells[gapCell(acrossRows, gaps[k].u, v)] = kFloor;
          m_regions[gapCell(acrossRows, gaps[k].u, v)] = region;
        }
      }
    }
    i = end;
  }
}

std::vector<std::size_t> FloorPlan::area(std::size_t start, std::vector<std::uint8_t>& seen) const {
  std::vector<std::size_t> cells{start};
  seen[start] = 1;
  for (std::size_t next = 0; next < cells.size(); ++next) {
    const int x = static_cast<int>(cells[next] % static_cast<std::size_t>(m_width));
    const int y = static_cast<int>(cells[next] / static_cast<std::size_t>(m_width));
    const struct {
      int x, y;
      bool wall;
    } steps[] = {{x - 1, y, verticalWall(x, y)},
                 {x + 1, y, verticalWall(x + 1, y)},
                 {x, y - 1, horizontalWall(x, y)},
                 {x, y + 1, horizontalWall(x, y + 1)}};
    for (const auto& step : steps) {
      if (step.wall || !floor(step.x, step.y)) continue;
      const std::size_t c = cell(step.x, step.y);
      if (seen[c] != 0) continue;
      seen[c] = 1;
      cells.push_back(c);
    }
  }
  return cells;
}

void FloorPlan::dropPockets(int minCells) {
  std::vector<std::uint8_t> seen(m_cells.size(), 0);
  for (std::size_t c = 0; c < m_cells.size(); ++c) {
    if (seen[c] != 0 || (m_cells[c] & kFloor) == 0) continue;
    const std::vector<std::size_t> cells = area(c, seen);
    if (cells.size() >= static_cast<std::size_t>(minCells)) continue;
    for (const std::size_t pocket : cells) m_cells[pocket] = 0;
  }
}

}  // namespace delvora
