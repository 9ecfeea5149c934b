#include "dressing/door_dressing.h"

#include <array>
#include <optional>

#include "engine/dressing_records.h"

namespace delvora {

namespace {

constexpr std::array<std::string_view, 10> kMaterialWords = {
    "Archway ",         "Rotten Wooden Door ", "Wooden Door ", "Reinforced Wooden Door ",
    "Cloth Curtain ",   "Leather Curtain ",    "Stone Door ",  "Iron Door ",
    "Iron Portcullis ", "Wooden Portcullis "};
constexpr std::array<std::string_view, 3> kLockWords = {"- Unlocked ", "- Locked ", "- Stuck "};

// The wall of the room the door lies in, or '\0'. Each test that holds overrides the earlier
// ones, so a corner door belongs to the top or bottom wall.
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

// The last record of lstDoorDress with this door key: the door was dressed by an earlier room.
std::optional<DoorDressingRecord> sharedDressing(const SortedRecordList& doorDress,
                                                 std::string_view key) {
  std::optional<DoorDressingRecord> found;
  for (const std::string& record : doorDress) {
    const DoorDressingRecord dressed = parseDoorDressing(record);
    if (dressed.key == key) found = dressed;
  }
  return found;
}

}  // namespace

void DoorDress(StepContext& ctx, int left, int top, int right, int bottom, int room) {
  MapModel& model = ctx.model;
  for (const std::string& record : model.lstDoors) {
    const DoorRecord door = parseDoor(record);
    const char side = doorSide(door.tile, left, top, right, bottom);
    if (side == '\0') continue;
    DoorDressingRecord dressed;
    dressed.kind = door.kind;
    dressed.material = materialFor(door.kind, model.random.Random(100));
    dressed.trapped = model.random.Random(100) >= 90;
    dressed.lock = lockFor(model.random.Random(100));
    const std::string key = doorKey(door.tile);
    // A shared door keeps the dressing the first room drew; this room's draws are discarded.
    if (const auto shared = sharedDressing(model.lstDoorDress, key)) dressed = *shared;
    dressed.room = room;
    dressed.side = side;
    dressed.key = key;
    model.lstDoorDress.insert(doorDressingRecord(dressed));
  }
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
