#pragma once

#include <nlohmann/json.hpp>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"

namespace delvora {

// One level of the dungeon document, numbered level (from 1): its size; its rooms as the map
// numbers them, with their shape, dressing and doors; its corridors in the order built; its
// doors with what lies on each side; its stairs; the river's and the chasm's courses; and what
// the dead-end clean-ups erased. Every position is given in map pixels and in grid squares.
nlohmann::ordered_json levelJson(const MapModel& model, const DressingTables& tables, int level);

}  // namespace delvora
