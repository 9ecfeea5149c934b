#pragma once

#include <string>
#include <vector>

#include "dressing/hover_text.h"
#include "dungeon/levels.h"

namespace delvora {

// Where a staircase stands: "room 4", or "a corridor" / "a room" where no numbered room holds it.
std::string stairsPlace(const MapModel& model, const Rect& stairs);

// Where staircase `index` of level `level` leads, as the key says it: "Stairs down to level 2",
// "Stairs up to level 1", "Stairs up (out of the dungeon)" (level 1's up staircases) or "Stairs
// down (deeper than the levels made)" (the last level's down staircases).
std::string stairsDestination(const DungeonLevels& levels, int level, std::size_t index);

// The hover read-out's lines for map pixel (x, y) of level `level`: where each staircase there
// leads (stairsDestination), joined by CR; empty where there is none.
std::string stairsHoverLines(const DungeonLevels& levels, int level, int x, int y);

// Appends stairsHoverLines to a hover text, which then shows even over a corridor.
void addStairsLines(HoverText& hover, const std::string& lines);

// The key of one level as report items: the heading "Level N" with its seed, then one line per
// staircase (where it leads, where it stands and its square), then the level's dressed rooms.
// CR LF line breaks, each item meant to be followed by one more, like the dressing report.
std::vector<std::string> levelKeyItems(const DungeonLevels& levels, int level);

// The dressing report of every level in one file: the title, then each level's key.
std::vector<std::string> levelsReport(const DungeonLevels& levels);

}  // namespace delvora
