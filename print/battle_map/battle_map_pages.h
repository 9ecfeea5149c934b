#pragma once

#include <string_view>

#include "export/map_drawing.h"
#include "print/battle_map/battle_map_layout.h"
#include "print/battle_map/page_canvas.h"

namespace delvora {

// Draws the battle map's pages: first the overview (the whole map with the grid of pages over
// it, the pages left out, the legend, the page of every room's number and how the pages go
// together), then every kept page row by row: its part of the map at scale, the dashed strip
// its right and lower neighbours are laid over, alignment marks on the lines where pages meet,
// cut marks along the edges to trim, and its label.
void drawBattleMap(const MapDrawing& drawing, const BattleMapLayout& layout,
                   const BattleMapOptions& options, std::string_view caption, PageCanvas& canvas);

// The labels of the pages left out, in page order, joined by ", ".
std::string leftOutPages(const BattleMapLayout& layout);

}  // namespace delvora
