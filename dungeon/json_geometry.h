#pragma once

#include <nlohmann/json.hpp>

#include "engine/records.h"

namespace delvora {

// A length or position in map pixels as grid squares (kGridSize pixels each): a whole number
// when it falls on the grid, else a fraction.
nlohmann::ordered_json squares(int pixels);

// Adds the rectangle to object twice: as "pixels" {left, top, right, bottom} in map pixels and as
// "squares", the same in grid squares. Right and bottom are exclusive.
void addRect(nlohmann::ordered_json& object, const Rect& rect);

}  // namespace delvora
