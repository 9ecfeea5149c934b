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
  riverCourse.clear();
  chasmCourse.clear();
  fluffEdited = false;
}

bool CheckBitMap(const StepContext& ctx, Rect area, char attachDirection) {
  if (ctx.model.state.featureCount == 0) return true;
  switch (attachDirection) {
    case 'U':
      ++area.top;
      break;
    case 'D':
      --area.bottom;
      break;
    case 'L':
      ++area.left;
      break;
    default:
      --area.right;
      break;
  }
  return !ctx.model.grid.anyCovered(area.left, area.top, area.right, area.bottom);
}

void UpdateBitMap(StepContext& ctx, int left, int top, int right, int bottom, FeatureType type) {
  std::string record = featureRecord({left, top, right, bottom}, type);
  if (isCorridor(type)) ctx.model.lstCorridors.push_back(record);
  ctx.model.lstWalls.insert(std::move(record));
  ctx.model.grid.mark(left, top, right, bottom);
}

}  // namespace delvora
