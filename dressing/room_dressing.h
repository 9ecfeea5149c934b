#pragma once

#include <functional>
#include <string>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"

namespace delvora {

// Writes a red number into every room of lstWalls (left to right, then top to bottom) at
// (left + 8, top + 8) and, when dressing is on, appends each room's 44-character record to
// lstFluff and dresses its doors; with encounters on, each dressed room also gets an encounter
// record in lstEncounters (drawEncounter, no draw from the map's random source). Replaces the
// contents of lstFluff and lstEncounters.
void NumberRooms(StepContext& ctx, const DressingTables& tables,
                 const std::function<void()>& processMessages = {});

// The room dressing record of room number room with rectangle rect, drawing the six picks (a
// Random(6) roll each, then an index draw when the roll succeeds).
std::string roomRecord(StepContext& ctx, const DressingTables& tables, int room, const Rect& rect);

}  // namespace delvora
