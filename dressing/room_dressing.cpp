#include "dressing/room_dressing.h"

#include <algorithm>

#include "dressing/door_dressing.h"
#include "dressing/encounters.h"
#include "engine/dressing_records.h"

namespace delvora {

namespace {

// The index a room gets from one table: 0 when the roll fails, else a pick over the whole table
// (which never reaches its last entry) or, without internal dressing, over the file entries.
int pickIndex(StepContext& ctx, const DressingTable& table) {
  RandomSource& random = ctx.model.random;
  const int roll = random.Random(6) + 1;
  if (roll > ctx.settings.dressRoll) return 0;
  const int count = static_cast<int>(table.entries.size());
  if (ctx.settings.useInternalDressing) return random.Random(std::max(count - 1, 0));
  if (count <= table.boundary + 1) return 0;
  return random.Random(count - table.boundary - 1) + table.boundary + 1;
}

}  // namespace

std::string roomRecord(StepContext& ctx, const DressingTables& tables, int room, const Rect& rect) {
  RoomDressingRecord record{room, rect, {}};
  const auto all = tables.all();
  for (std::size_t i = 0; i < all.size(); ++i) record.indexes[i] = pickIndex(ctx, *all[i]);
  return roomDressingRecord(record);
}

void NumberRooms(StepContext& ctx, const DressingTables& tables,
                 const std::function<void()>& processMessages) {
  if (processMessages) processMessages();
  MapModel& model = ctx.model;
  model.lstFluff.clear();
  model.lstEncounters.clear();
  ctx.canvas.setFontColor(colors::kRed);
  DoorDresser doors(model);
  int room = 1;
  for (const std::string& feature : model.lstWalls) {
    const Feature parsed = parseFeature(feature);
    if (!isRoom(parsed.type)) continue;
    const Rect& rect = parsed.rect;
    ctx.canvas.textOut(rect.left + 8, rect.top + 8, std::to_string(room));
    if (ctx.settings.dressing) {
      model.lstFluff.push_back(roomRecord(ctx, tables, room, rect));
      doors.dress(ctx, rect.left, rect.top, rect.right, rect.bottom, room);
      if (ctx.settings.encounters) {
        const int index = drawEncounter(tables.Encounters, ctx.settings.seed, room,
                                        ctx.settings.useInternalDressing);
        model.lstEncounters.push_back(encounterRecord({room, index}));
      }
    }
    ++room;
  }
}

}  // namespace delvora
