#pragma once

#include <cstdint>
#include <optional>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"

namespace delvora {

// The encounter table's index for room number room of the dungeon made from dungeonSeed, drawn
// from the room's own random stream (encounterSeed): one draw over every entry but the empty
// one, or, without internal dressing, over the file's entries only (0 when there are none).
int drawEncounter(const DressingTable& table, std::uint32_t dungeonSeed, int room,
                  bool useInternalDressing);

// The encounter index lstEncounters holds for room number room; none when the map was made
// without encounters.
std::optional<int> encounterIndex(const MapModel& model, int room);

}  // namespace delvora
