#include "export/map_door.h"

namespace delvora {

namespace {

// The tile straddles its wall line with this many pixels on the near side.
constexpr int kNearSide = 2;

}  // namespace

MapDoor mapDoor(std::string_view record) {
  const DoorRecord parsed = parseDoor(record);
  MapDoor door;
  door.tile = parsed.tile;
  door.orientation = parsed.orientation;
  door.kind = parsed.kind;
  const Rect& t = door.tile;
  if (door.orientation == 'H') {
    door.from = {t.left + 1, t.top + kNearSide};
    door.to = {t.right - 1, t.top + kNearSide};
  } else {
    door.from = {t.left + kNearSide, t.top + 1};
    door.to = {t.left + kNearSide, t.bottom - 1};
  }
  return door;
}

int wallLine(const MapDoor& door) {
  return door.orientation == 'H' ? door.tile.top + kNearSide : door.tile.left + kNearSide;
}

Rect bridgeOf(const MapDoor& door) {
  const Rect& t = door.tile;
  if (door.orientation == 'H') return {t.left + 1, t.top, t.right - 1, t.bottom};
  return {t.left, t.top + 1, t.right, t.bottom - 1};
}

}  // namespace delvora
