#include "engine/map_model.h"

namespace delvora {

void MapModel::clearMapLists() {
  lstWalls.clear();
  lstDoors.clear();
  lstCorridors.clear();
  lstDoorDress.clear();
  lstFluff.clear();
  lstErased.clear();
  cleanUpPaint.clear();
  chasmCourse.clear();
  fluffEdited = false;
}

void CheckBitMap(StepContext& ctx, int left, int top, int right, int bottom) {
  EngineState& state = ctx.model.state;
  if (state.featureCount == 0) return;
  switch (state.attachDirection) {
    case 'U':
      ++top;
      break;
    case 'D':
      --bottom;
      break;
    case 'L':
      ++left;
      break;
    default:
      --right;
      break;
  }
  if (ctx.model.grid.anyCovered(left, top, right, bottom)) state.fits = false;
}

void UpdateBitMap(StepContext& ctx, int left, int top, int right, int bottom, FeatureType type) {
  std::string record = featureRecord({left, top, right, bottom}, type);
  if (isCorridor(type)) ctx.model.lstCorridors.push_back(record);
  ctx.model.lstWalls.insert(std::move(record));
  ctx.model.grid.mark(left, top, right, bottom);
}

}  // namespace delvora
