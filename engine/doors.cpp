#include "engine/steps.h"

namespace delvora {

namespace {

Tile doorTile(char kind, char orientation) {
  const bool horizontal = orientation == 'H';
  switch (kind) {
    case 'N':
      return horizontal ? Tile::HDoor : Tile::VDoor;
    case 'C':
      return horizontal ? Tile::HConDoor : Tile::VConDoor;
    case 'S':
      return horizontal ? Tile::HSecDoor : Tile::VSecDoor;
    default:
      return horizontal ? Tile::HArch : Tile::VArch;
  }
}

// Out of a 0..99 roll: the values below this always give an archway.
constexpr int kArchwayBelow = 30;
// Out of a second 0..99 roll at a corridor crossing: the values below this turn the door into an
// archway.
constexpr int kCrossingArchwayBelow = 90;

}  // namespace

char doorKindForRoll(int r, bool forced, int concealed, int secret) {
  if (r < kArchwayBelow || forced) return 'A';
  if (r < 100 - (concealed + secret)) return 'N';
  if (concealed > secret) return r <= 100 - secret ? 'C' : 'S';
  return r <= 100 - concealed ? 'S' : 'C';
}

void AddDoor(StepContext& ctx, const DoorPlacement& door) {
  const int concealed = ctx.settings.concealedPercent;
  const int secret = ctx.settings.secretPercent;
  const char orientation = door.orientation;
  char kind = doorKindForRoll(ctx.model.random.Random(100), door.forcedArchway, concealed, secret);
  ctx.canvas.drawTile(doorTile(kind, orientation), door.x, door.y);
  if (door.corridorCrossing && ctx.model.random.Random(100) < kCrossingArchwayBelow) {
    kind = 'A';
    ctx.canvas.drawTile(doorTile(kind, orientation), door.x, door.y);
  }
  // Every tile of an orientation has the archway's size.
  const TileSize size = tileSize(doorTile('A', orientation));
  const Rect tile{door.x, door.y, door.x + size.width, door.y + size.height};
  ctx.model.lstDoors.insert(doorRecord(tile, orientation, kind));
}

}  // namespace delvora
