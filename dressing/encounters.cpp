#include "dressing/encounters.h"

#include "engine/dressing_records.h"

namespace delvora {

int drawEncounter(const DressingTable& table, std::uint32_t dungeonSeed, int room,
                  bool useInternalDressing) {
  RandomSource random(encounterSeed(dungeonSeed, room));
  const int count = static_cast<int>(table.entries.size());
  const int first = useInternalDressing ? 1 : table.boundary + 1;
  if (count <= first) return 0;
  return first + random.Random(count - first);
}

std::optional<int> encounterIndex(const MapModel& model, int room) {
  // Records are in room order and nearly every room has one, so look where it should be first.
  const std::size_t guess = room > 0 ? static_cast<std::size_t>(room - 1) : 0;
  if (guess < model.lstEncounters.size()) {
    const EncounterRecord record = parseEncounter(model.lstEncounters[guess]);
    if (record.room == room) return record.index;
  }
  for (const std::string& text : model.lstEncounters) {
    const EncounterRecord record = parseEncounter(text);
    if (record.room == room) return record.index;
  }
  return std::nullopt;
}

}  // namespace delvora
