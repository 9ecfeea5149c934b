#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"

namespace delvora {

// One dressing category of a room: the index its record holds and the table's entry there.
struct CategoryEntry {
  int index = 0;
  // Empty when the table has no entry at the index (the tables changed since the roll).
  std::optional<std::string_view> text;
};

// A room's dressing as the report, the editing file, the hover text and the printout show it.
// The texts point into the tables, which must outlive the view.
struct RoomDressingView {
  // The room number as its record stores it, left-justified with trailing blanks ("7   ").
  std::string label;
  // Size in tens of a grid square: 16 pixels are 10 units, rounded down.
  int width = 0;
  int height = 0;
  // The six categories in category order (kDressingCategories).
  std::array<CategoryEntry, kDressingCategoryCount> categories;
  // The room's encounter (kEncounterCategory); none when the map was made without encounters.
  std::optional<CategoryEntry> encounter;
  // One door description per door dressing record of the room, in lstDoorDress order.
  std::vector<std::string> doors;

  // The size as the outputs write it: "(60x40)".
  std::string sizeText() const;
};

// The view of one room of lstFluff, its doors looked up in lstDoorDress.
RoomDressingView roomDressingView(const MapModel& model, const DressingTables& tables,
                                  const RoomDressingRecord& room);

// The views of every room of lstFluff, in order.
std::vector<RoomDressingView> roomDressingViews(const MapModel& model,
                                                const DressingTables& tables);

}  // namespace delvora
