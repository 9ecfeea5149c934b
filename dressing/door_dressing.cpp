#include "dressing/door_dressing.h"

#include <array>

#include "engine/dressing_records.h"

namespace delvora {

namespace {

constexpr std::array<std::string_view, 10> kMaterialWords = {
    "Archway ",         "Rotten Wooden Door ", "Wooden Door ", "Reinforced Wooden Door ",
    "Cloth Curtain ",   "Leather Curtain ",    "Stone Door ",  "Iron Door ",
    "Iron Portcullis ", "Wooden Portcullis "};
constexpr std::array<std::string_view, 3> kLockWords = {"- Unlocked ", "- Locked ", "- Stuck "};

int materialFor(char kind, int draw) {
  if (kind == 'A') return 0;
  constexpr std::array<int, 9> kBandEnds = {10, 30, 45, 55, 65, 80, 90, 95, 99};
  int material = 1;
  for (const int end : kBandEnds) {
    if (draw <= end) return material;
    ++material;
  }
  return 9;
}

int lockFor(int draw) {
  if (draw <= 70) return 0;
  return draw <= 94 ? 1 : 2;
}

}  // namespace

// Each test that holds overrides the earlier ones, so a corner door belongs to the top or bottom
// wall.
char doorSide(const Rect& door, int left, int top, int right, int bottom) {
  char side = '\0';
  const bool withinHeight = door.top >= top && door.bottom <= bottom;
  const bool withinWidth = door.left >= left && door.right <= right;
  if (door.left <= left && left <= door.right && withinHeight) side = 'W';
  if (door.left <= right && right <= door.right && withinHeight) side = 'E';
  if (door.top <= top && top <= door.bottom && withinWidth) side = 'N';
  if (door.top <= bottom && bottom <= door.bottom && withinWidth) side = 'S';
  return side;
}

DoorDresser::DoorDresser(const MapModel& model) {
  m_doors.reserve(model.lstDoors.size());
  for (const std::string& record : model.lstDoors) m_doors.push_back(parseDoor(record));
  for (const std::string& record : model.lstDoorDress) {
    DoorDressingRecord dressed = parseDoorDressing(record);
    const std::string key(dressed.key);
    dressed.key = {};
    m_dressed[key] = dressed;
  }
}

void DoorDresser::dress(StepContext& ctx, int left, int top, int right, int bottom, int room) {
  MapModel& model = ctx.model;
  for (const DoorRecord& door : m_doors) {
    const char side = doorSide(door.tile, left, top, right, bottom);
    if (side == '\0') continue;
    DoorDressingRecord drawn;
    drawn.kind = door.kind;
    drawn.material = materialFor(door.kind, model.random.Random(100));
    drawn.trapped = model.random.Random(100) >= 90;
    drawn.lock = lockFor(model.random.Random(100));
    // A shared door keeps the dressing the first room drew; this room's draws are discarded.
    // Every record of a key then holds that dressing, so it stays the dressing of the key's
    // last record, wherever the new record sorts.
    const auto [shared, isNew] = m_dressed.try_emplace(doorKey(door.tile), drawn);
    DoorDressingRecord dressed = shared->second;
    dressed.room = room;
    dressed.side = side;
    dressed.key = shared->first;
    model.lstDoorDress.insert(doorDressingRecord(dressed));
  }
}

void DoorDress(StepContext& ctx, int left, int top, int right, int bottom, int room) {
  DoorDresser(ctx.model).dress(ctx, left, top, right, bottom, room);
}

std::string doorDescription(std::string_view record) {
  const DoorDressingRecord door = parseDoorDressing(record);
  std::string text;
  if (door.side != '\0') text += door.side;
  text += " Wall - ";
  if (door.kind == 'C') text += "Concealed ";
  if (door.kind == 'S') text += "Secret ";
  const bool hasMaterial = door.material >= 0 && door.material <= 9;
  if (hasMaterial) text += kMaterialWords[static_cast<std::size_t>(door.material)];
  if (door.trapped) text += "- Trapped ";
  // Archways and curtains have no lock to speak of.
  const bool showsLock = door.material != 0 && door.material != 4 && door.material != 5;
  if (showsLock && door.lock >= 0 && door.lock <= 2) {
    text += kLockWords[static_cast<std::size_t>(door.lock)];
  }
  return text;
}

}  // namespace delvora
