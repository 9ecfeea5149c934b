#include "export/floor_plan.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "export/set_flags.h"
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
    const int left = std::max(r.left + inset, 0);
    const int right = std::min(r.right - inset, m_width);
    if (left >= right) continue;
    const auto from = static_cast<std::ptrdiff_t>(cell(left, y));
    std::fill_n(m_cells.begin() + from, right - left, kFloor);
    std::fill_n(m_regions.begin() + from, right - left, region);
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

// Whether any of eight cells is plain rock (0) where the cell before it is floor.
bool hasRockAfterFloor(const std::uint8_t* cells, const std::uint8_t* before) {
  constexpr std::uint64_t kLow = 0x0101010101010101ULL;
  constexpr std::uint64_t kHigh7 = 0x7f7f7f7f7f7f7f7fULL;
  std::uint64_t here;
  std::uint64_t floors;
  std::memcpy(&here, cells, sizeof here);
  std::memcpy(&floors, before, sizeof floors);
  // 0x80 in every byte of here that is 0.
  const std::uint64_t zero = ~(((here & kHigh7) + kHigh7) | here | kHigh7);
  return ((zero >> 7) & floors & kLow) != 0;
}

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

// Gap starts are rock cells with floor before them. Rows are scanned left to right, so the cells
// are read in memory order whichever way the gaps run.
std::vector<GapCells> FloorPlan::thinGaps(bool acrossRows) const {
  const int across = acrossRows ? m_height : m_width;
  std::vector<GapCells> gaps;
  const auto tryStart = [&](int u, int v) {
    int v1 = v;
    while (v1 + 1 < across && v1 - v + 1 <= kThinGap &&
           m_cells[gapCell(acrossRows, u, v1 + 1)] == 0) {
      ++v1;
    }
    if (v1 - v + 1 > kThinGap || !gapFloor(acrossRows, u, v1 + 1)) return;
    const std::int32_t before = gapRegion(acrossRows, u, v - 1);
    const std::int32_t after = gapRegion(acrossRows, u, v1 + 1);
    if (!m_roundRegions[static_cast<std::size_t>(before)] &&
        !m_roundRegions[static_cast<std::size_t>(after)]) {
      gaps.push_back({v, v1, before, after, u});
    }
  };
  const int width = m_width;
  for (int y = acrossRows ? 1 : 0; y < m_height; ++y) {
    const std::uint8_t* row = m_cells.data() + cell(0, y);
    // The cell before each of this row's cells: above it, or left of it.
    const std::uint8_t* before = acrossRows ? row - width : row - 1;
    const auto visit = [&](int x) {
      if (row[x] != 0 || (before[x] & kFloor) == 0) return;
      if (acrossRows) {
        tryStart(x, y);
      } else {
        tryStart(y, x);
      }
    };
    int x = acrossRows ? 0 : 1;
    for (; x + 8 <= width; x += 8) {
      if (hasRockAfterFloor(row + x, before + x)) {
        for (int i = 0; i < 8; ++i) visit(x + i);
      }
    }
    for (; x < width; ++x) visit(x);
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

namespace {

// A run of floor cells x0..x1 (inclusive) of one row with no wall between them.
struct FloorSpan {
  int x0;
  int x1;
};

std::size_t rootOf(std::vector<std::size_t>& parent, std::size_t i) {
  while (parent[i] != i) {
    parent[i] = parent[parent[i]];
    i = parent[i];
  }
  return i;
}

}  // namespace

// Written without branches, and with the width in a local (the flags, being bytes, might alias
// it), so that the compiler does a row many cells at a time.
void FloorPlan::verticalWalls(int y, std::uint8_t* walls, bool floorOnly) const {
  const int width = m_width;
  if (width == 0) {
    walls[0] = 0;
    return;
  }
  const std::uint8_t* cells = m_cells.data() + cell(0, y);
  const std::int32_t* regions = m_regions.data() + cell(0, y);
  const std::uint8_t* bridged = m_verticalBridged.data() + verticalEdge(0, y);
  walls[0] = cells[0] & kFloor;
  if (floorOnly) {
    for (int x = 1; x < width; ++x) walls[x] = (cells[x - 1] ^ cells[x]) & kFloor;
  } else {
    for (int x = 1; x < width; ++x) {
      const int a = cells[x - 1] & kFloor;
      const int b = cells[x] & kFloor;
      const int apart = (regions[x - 1] != regions[x]) & (bridged[x] == 0);
      walls[x] = static_cast<std::uint8_t>((a ^ b) | (a & b & apart));
    }
  }
  walls[width] = cells[width - 1] & kFloor;
}

void FloorPlan::horizontalWalls(int y, std::uint8_t* walls, bool floorOnly) const {
  const int width = m_width;
  if (y == 0 || y == m_height) {
    const std::uint8_t* cells = m_cells.data() + cell(0, y == 0 ? 0 : y - 1);
    for (int x = 0; x < width; ++x) walls[x] = cells[x] & kFloor;
    return;
  }
  const std::uint8_t* above = m_cells.data() + cell(0, y - 1);
  const std::uint8_t* below = m_cells.data() + cell(0, y);
  const std::int32_t* regionsAbove = m_regions.data() + cell(0, y - 1);
  const std::int32_t* regionsBelow = m_regions.data() + cell(0, y);
  const std::uint8_t* bridged = m_horizontalBridged.data() + horizontalEdge(0, y);
  if (floorOnly) {
    for (int x = 0; x < width; ++x) walls[x] = (above[x] ^ below[x]) & kFloor;
    return;
  }
  for (int x = 0; x < width; ++x) {
    const int a = above[x] & kFloor;
    const int b = below[x] & kFloor;
    const int apart = (regionsAbove[x] != regionsBelow[x]) & (bridged[x] == 0);
    walls[x] = static_cast<std::uint8_t>((a ^ b) | (a & b & apart));
  }
}

void FloorPlan::floorRow(int y, std::uint8_t* floor) const {
  const int width = m_width;
  const std::uint8_t* cells = m_cells.data() + cell(0, y);
  for (int x = 0; x < width; ++x) floor[x] = cells[x] & kFloor;
}

// The floor areas are the connected spans: spans of neighbouring rows join where they overlap
// without a wall between. A row's spans lie between its vertical walls.
void FloorPlan::dropPockets(int minCells) {
  std::vector<FloorSpan> spans;
  std::vector<std::size_t> rowStart(static_cast<std::size_t>(m_height) + 1, 0);
  std::vector<std::uint8_t> walls(static_cast<std::size_t>(m_width) + 1);
  for (int y = 0; y < m_height; ++y) {
    rowStart[static_cast<std::size_t>(y)] = spans.size();
    verticalWalls(y, walls.data());
    walls[static_cast<std::size_t>(m_width)] = 1;
    int from = 0;
    forEachSet(walls.data() + 1, m_width, [&](int before) {
      const int to = before + 1;
      if (floor(from, y)) spans.push_back({from, to - 1});
      from = to;
    });
  }
  rowStart[static_cast<std::size_t>(m_height)] = spans.size();
  std::vector<std::size_t> parent(spans.size());
  for (std::size_t i = 0; i < parent.size(); ++i) parent[i] = i;
  for (int y = 1; y < m_height; ++y) {
    std::size_t i = rowStart[static_cast<std::size_t>(y - 1)];
    std::size_t j = rowStart[static_cast<std::size_t>(y)];
    const std::size_t iEnd = j;
    const std::size_t jEnd = rowStart[static_cast<std::size_t>(y) + 1];
    if (i == iEnd || j == jEnd) continue;
    horizontalWalls(y, walls.data());
    while (i < iEnd && j < jEnd) {
      const int from = std::max(spans[i].x0, spans[j].x0);
      const int to = std::min(spans[i].x1, spans[j].x1);
      for (int x = from; x <= to; ++x) {
        if (walls[static_cast<std::size_t>(x)] != 0) continue;
        parent[rootOf(parent, i)] = rootOf(parent, j);
        break;
      }
      if (spans[i].x1 < spans[j].x1) {
        ++i;
      } else {
        ++j;
      }
    }
  }
  std::vector<std::size_t> cells(spans.size(), 0);
  for (std::size_t i = 0; i < spans.size(); ++i) {
    cells[rootOf(parent, i)] += static_cast<std::size_t>(spans[i].x1 - spans[i].x0 + 1);
  }
  for (int y = 0; y < m_height; ++y) {
    for (std::size_t i = rowStart[static_cast<std::size_t>(y)];
         i < rowStart[static_cast<std::size_t>(y) + 1]; ++i) {
      if (cells[rootOf(parent, i)] >= static_cast<std::size_t>(minCells)) continue;
      std::fill_n(m_cells.begin() + static_cast<std::ptrdiff_t>(cell(spans[i].x0, y)),
                  spans[i].x1 - spans[i].x0 + 1, std::uint8_t{0});
    }
  }
}

}  // namespace delvora
