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

bool isCorridorCrossing(const EngineState& state) {
  return (state.featureType == kVerticalCorridor && state.wallOwnerType == kHorizontalCorridor) ||
         (state.featureType == kHorizontalCorridor && state.wallOwnerType == kVerticalCorridor);
}

}  // namespace

char doorKindForRoll(int r, bool forced, int concealed, int secret) {
  if (r < 30 || forced) return 'A';
  if (r < 100 - (concealed + secret)) return 'N';
  if (concealed > secret) return r <= 100 - secret ? 'C' : 'S';
  return r <= 100 - concealed ? 'S' : 'C';
}

void AddDoor(StepContext& ctx, int x, int y, bool forced) {
  const EngineState& state = ctx.model.state;
  const int concealed = ctx.settings.concealedPercent;
  const int secret = ctx.settings.secretPercent;
  const char orientation = state.doorOrientation;
  char kind = doorKindForRoll(ctx.model.random.Random(100), forced, concealed, secret);
  ctx.canvas.drawTile(doorTile(kind, orientation), x, y);
  if (isCorridorCrossing(state) && ctx.model.random.Random(100) < 90) {
    kind = 'A';
    ctx.canvas.drawTile(doorTile(kind, orientation), x, y);
  }
  const TileSize size = tileSize(doorTile('A', orientation));
  ctx.model.lstDoors.insert(doorRecord({x, y, x + size.width, y + size.height}, orientation, kind));
}

}  // namespace delvora
