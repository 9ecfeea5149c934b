#include "dungeon/json_geometry.h"

#include "engine/dimensions.h"

namespace delvora {

nlohmann::ordered_json squares(int pixels) {
  if (pixels % kGridSize == 0) return pixels / kGridSize;
  return static_cast<double>(pixels) / kGridSize;
}

void addRect(nlohmann::ordered_json& object, const Rect& rect) {
  object["pixels"] = {
      {"left", rect.left}, {"top", rect.top}, {"right", rect.right}, {"bottom", rect.bottom}};
  object["squares"] = {{"left", squares(rect.left)},
                       {"top", squares(rect.top)},
                       {"right", squares(rect.right)},
                       {"bottom", squares(rect.bottom)}};
}

}  // namespace delvora
