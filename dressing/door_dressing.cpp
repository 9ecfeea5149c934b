#include "dressing/door_dressing.h"

#include <array>

namespace delvora {

namespace {

// Record positions, 0-based: room number 0-3, side 4, kind 5, material 6, lock 7, trap 8, key 9-.
constexpr std::size_t kSide = 4;
constexpr std::size_t kKind = 5;
constexpr std::size_t kMaterial = 6;
constexpr std::size_t kLock = 7;
constexpr std::size_t kTrap = 8;
constexpr std::size_t kKey = 9;

constexpr std::array<std::string_view, 10> kMaterialWords = {
    "Archway ",         "Rotten Wooden Door ", "Wooden Door ", "Reinforced Wooden Door ",
    "Cloth Curtain ",   "Leather Curtain ",    "Stone Door ",  "Iron Door ",
    "Iron Portcullis ", "Wooden Portcullis "};
constexpr std::array<std::string_view, 3> kLockWords = {"- Unlocked ", "- Locked ", "- Stuck "};

char charAt(std::string_view text, std::size_t index) {
  return index < text.size() ? text[index] : '\0';
}

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

// Characters 6 onward of the last record of lstDoorDress with this door key, or empty.
std::string sharedDressing(const SortedRecordList& doorDress, std::string_view key) {
  std::string found;
  for (const std::string& record : doorDress) {
    if (record.size() > kKey && std::string_view(record).substr(kKey) == key)
      found = record.substr(kKind);
  }
  return found;
}

}  // namespace

void DoorDress(StepContext& ctx, int left, int top, int right, int bottom, int room) {
  MapModel& model = ctx.model;
  for (const std::string& door : model.lstDoors) {
    const Rect tile = parseDoorRect(door);
    const char side = doorSide(tile, left, top, right, bottom);
    if (side == '\0') continue;
    const char kind = charAt(door, 17);
    const int material = materialFor(kind, model.random.Random(100));
    const int trap = model.random.Random(100) >= 90 ? 1 : 0;
    const int lock = lockFor(model.random.Random(100));
    const std::string key = doorKey(tile);
    std::string rest = sharedDressing(model.lstDoorDress, key);
    if (rest.empty()) {
      rest = std::string(1, kind) + std::to_string(material) + std::to_string(lock) +
             std::to_string(trap) + key;
    }
    model.lstDoorDress.insert(pad4(room) + side + rest);
  }
}

std::string doorDescription(std::string_view record) {
  if (record.size() <= kSide) return " Wall - ";
  std::string text(record.substr(kSide, 1));
  text += " Wall - ";
  const char kind = charAt(record, kKind);
  if (kind == 'C') text += "Concealed ";
  if (kind == 'S') text += "Secret ";
  const char material = charAt(record, kMaterial);
  if (material >= '0' && material <= '9') text += kMaterialWords[material - '0'];
  if (charAt(record, kTrap) == '1') text += "- Trapped ";
  const char lock = charAt(record, kLock);
  const bool showsLock = material != '0' && material != '4' && material != '5';
  if (showsLock && lock >= '0' && lock <= '2') text += kLockWords[lock - '0'];
  return text;
}

}  // namespace delvora
