#pragma once

#include <string>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"

namespace delvora {

// What the map shows while the pointer rests on map pixel (x, y).
struct HoverText {
  // False over rock or open background: the tooltip is switched off there.
  bool overFeature = false;
  // The room's number, size, six dressing entries (and its encounter) and door lines, joined by CR;
  // empty over a corridor or a room without a dressing record.
  std::string text;
};

// Builds the hover text from the room and door dressing records and the dressing tables.
HoverText hoverText(const MapModel& model, const DressingTables& tables, int x, int y);

}  // namespace delvora
