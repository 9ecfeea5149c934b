#include "engine/dead_ends.h"

#include <algorithm>

#include "engine/dressing_records.h"
#include "engine/overlays.h"
#include "engine/steps.h"

namespace delvora {

namespace {

int touchingSides(const OccupancyGrid& grid, const Rect& r, int mapWidth, int mapHeight) {
  int sides = 0;
  if (r.top > 0 && grid.anyCovered(r.left, r.top - 1, r.right, r.top - 1)) ++sides;
  if (r.bottom < mapHeight && grid.anyCovered(r.left, r.bottom + 1, r.right, r.bottom + 1)) ++sides;
  if (r.left > 0 && grid.anyCovered(r.left - 1, r.top, r.left - 1, r.bottom)) ++sides;
  if (r.right < mapWidth && grid.anyCovered(r.right + 1, r.top, r.right + 1, r.bottom)) ++sides;
  return sides;
}

bool holdsStairs(const RecordList& stairs, const Rect& r) {
  for (const std::string& record : stairs) {
    const Rect s = parseStairs(record);
    if (r.left <= s.left && s.left <= r.right && r.top <= s.top && s.top <= r.bottom) return true;
  }
  return false;
}

bool inside(const Rect& r, int x, int y) {
  return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

// The values DoorHits::mask adds up, one bit per door corner.
constexpr int kTopLeft = 1 << 0;
constexpr int kTopRight = 1 << 1;
constexpr int kBottomLeft = 1 << 2;
constexpr int kBottomRight = 1 << 3;
// The two corners of one door tile that lie inside a dead-end corridor pick its closing tile.
constexpr int kTopCorners = kTopLeft | kTopRight;
constexpr int kBottomCorners = kBottomLeft | kBottomRight;
constexpr int kLeftCorners = kTopLeft | kBottomLeft;
constexpr int kRightCorners = kTopRight | kBottomRight;

// The window processes messages once every this many candidates while doors are searched.
constexpr std::size_t kYieldEvery = 1000;

// findDoorHits, letting the window process messages after each door when asked. The corner bits
// add up over all doors, so two doors with one corner each can match a pair too.
DoorHits doorHitsYielding(const SortedRecordList& doors, const Rect& e, bool yieldEachDoor,
                          const std::function<void()>& processMessages) {
  DoorHits result;
  for (const std::string& record : doors) {
    const Rect d = parseDoor(record).tile;
    const struct {
      int x;
      int y;
      int bit;
    } corners[] = {{d.left, d.top, kTopLeft},
                   {d.right, d.top, kTopRight},
                   {d.left, d.bottom, kBottomLeft},
                   {d.right, d.bottom, kBottomRight}};
    for (const auto& corner : corners) {
      if (!inside(e, corner.x, corner.y)) continue;
      ++result.hits;
      result.mask += corner.bit;
      result.doorX = d.left;
      result.doorY = d.top;
    }
    if (yieldEachDoor && processMessages) processMessages();
  }
  return result;
}

struct Tiles {
  Tile fill;
  Tile up, down, left, right;
};

Tiles chooseTiles(const Settings& settings) {
  const Tile fill = settings.showBackground ? Tile::Speckled : Tile::SmallWhite;
  if (settings.snapToGrid) {
    return {fill, Tile::CloseUp, Tile::CloseDown, Tile::CloseLeft, Tile::CloseRight};
  }
  return {fill, Tile::CloseUp2, Tile::CloseDown2, Tile::CloseLeft2, Tile::CloseRight2};
}

// The closing tile for the corners found, if any.
const Tile* closingTile(const DoorHits& door, const Tiles& tiles) {
  switch (door.mask) {
    case kTopCorners:
      return &tiles.up;
    case kBottomCorners:
      return &tiles.down;
    case kLeftCorners:
      return &tiles.left;
    case kRightCorners:
      return &tiles.right;
    default:
      return nullptr;
  }
}

void eraseCorridor(StepContext& ctx, const Rect& e, const DoorHits& door, const Tiles& tiles) {
  const TileSize fill = tileSize(tiles.fill);
  Rect filled{e.left, e.top, e.left, e.top};
  for (int y = e.top; y < e.bottom; y += fill.height) {
    for (int x = e.left; x < e.right; x += fill.width) {
      ctx.canvas.drawTile(tiles.fill, x, y);
      filled.right = x + fill.width;
    }
    filled.bottom = y + fill.height;
  }
  ctx.model.cleanUpPaint.push_back({tiles.fill, filled});
  if (const Tile* closing = closingTile(door, tiles)) {
    ctx.canvas.drawTile(*closing, door.doorX, door.doorY);
    const TileSize size = tileSize(*closing);
    ctx.model.cleanUpPaint.push_back(
        {*closing, {door.doorX, door.doorY, door.doorX + size.width, door.doorY + size.height}});
  }
  DropDoor(ctx, door.doorX, door.doorY);
}

// A later "A Few" erases the corridors "Some" erased again; they are listed once.
void noteErased(RecordList& erased, const std::string& record) {
  if (std::find(erased.begin(), erased.end(), record) == erased.end()) erased.push_back(record);
}

}  // namespace

DoorHits findDoorHits(const SortedRecordList& doors, const Rect& corridor) {
  return doorHitsYielding(doors, corridor, false, {});
}

void FindEligable(StepContext& ctx) {
  MapModel& model = ctx.model;
  model.lstEligable.clear();
  for (const std::string& record : model.lstCorridors) {
    const Rect r = parseFeature(record).rect;
    if (touchingSides(model.grid, r, model.state.mapWidth, model.state.mapHeight) < 2) continue;
    if (holdsStairs(model.lstStairs, r)) continue;
    model.lstEligable.push_back(record);
  }
}

void DropDoor(StepContext& ctx, int x, int y) {
  MapModel& model = ctx.model;
  std::vector<std::string> keys;
  for (const std::string& record : model.lstDoors) {
    const Rect d = parseDoor(record).tile;
    if (d.left == x && d.top == y) keys.push_back(doorKey(d));
  }
  if (keys.empty()) return;
  for (std::size_t i = model.lstDoorDress.size(); i-- > 0;) {
    const std::string_view key = parseDoorDressing(model.lstDoorDress[i]).key;
    for (const std::string& doorKeyText : keys) {
      if (key == doorKeyText) {
        model.lstDoorDress.erase(i);
        break;
      }
    }
  }
}

void CleanCorridors(StepContext& ctx, DeadEndMode mode,
                    const std::function<void()>& processMessages) {
  const Tiles tiles = chooseTiles(ctx.settings);
  FindEligable(ctx);
  const RecordList& candidates = ctx.model.lstEligable;
  for (std::size_t k = 0; k < candidates.size(); ++k) {
    const Rect e = parseFeature(candidates[k]).rect;
    const DoorHits door =
        doorHitsYielding(ctx.model.lstDoors, e, k % kYieldEvery == 0, processMessages);
    if (door.hits != 2) continue;
    const int r = ctx.model.random.Random(2);
    if (mode == DeadEndMode::AFew || r == 1) {
      eraseCorridor(ctx, e, door, tiles);
      noteErased(ctx.model.lstErased, candidates[k]);
    }
  }
  if (processMessages) processMessages();
}

void CleanDeadEnds(StepContext& ctx, DeadEndMode mode,
                   const std::function<void()>& processMessages) {
  CleanCorridors(ctx, mode, processMessages);
  restoreOverlayStart(ctx.model);
  if (processMessages) processMessages();
  drawOverlays(ctx);
}

}  // namespace delvora
