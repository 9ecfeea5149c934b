#pragma once

#include <string>
#include <string_view>

#include "dressing/dressing_tables.h"
#include "dungeon/dungeon.h"
#include "dungeon/levels.h"
#include "engine/map_model.h"

namespace delvora {

// The map's key as a Foundry VTT journal entry, the JSON that "Import Data" on a journal entry
// takes (v12 and later): one text page per room of lstWalls in room-number order, titled
// "Room N", holding the room's size, its dressing categories that are not empty (its encounter
// among them, on a map made with encounters) and its doors. A map without dressing still gets a
// page per room, with its size and the kinds of door in its walls. The entry is named name, or
// "Delvora dungeon" when that is empty.
std::string foundryJournal(const MapModel& model, const DressingTables& tables,
                           std::string_view name);
std::string foundryJournal(const Dungeon& dungeon);

// The journal of level `level` of several: its rooms' pages, then a page "Stairs" saying where
// each staircase leads and where it stands (none when the level has no staircase). The entry is
// named after the title (or "Delvora dungeon") and the level: "Delvora dungeon, level 2".
std::string foundryJournal(const DungeonLevels& levels, int level);

}  // namespace delvora
