#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace delvora {

// A limit a tabletop publishes, or none (0).
struct TabletopLimit {
  // Above it: a warning when refuse is false, else the export is refused.
  std::int64_t value = 0;
  bool refuse = false;
  // What the limit is, as the warning names it ("is the most a free account uploads").
  std::string_view what;
};

// What one virtual tabletop expects of an export, from its own documentation (README).
struct TabletopPreset {
  // The --vtt name ("roll20") and the tabletop's name ("Roll20").
  std::string_view name;
  std::string_view title;
  // Image pixels per grid square the tabletop is made for.
  int pxPerGrid = 100;
  // The picture's longest side in pixels.
  TabletopLimit pictureSide;
  // One file's size in bytes.
  TabletopLimit fileBytes;
  // Wall segments, doors and lights in one scene.
  TabletopLimit walls;
  TabletopLimit doors;
  TabletopLimit lights;
};

// Every preset, in the order --help lists them.
std::span<const TabletopPreset> tabletopPresets();
// The preset of a --vtt name; none for an unknown name.
const TabletopPreset* findTabletopPreset(std::string_view name);
// The names joined for a message: "foundry, roll20, ... or lets-role".
std::string tabletopPresetNames();

// One file of an export as a tabletop loads it.
struct ExportFile {
  std::string path;
  std::int64_t bytes = 0;
};

// What an export holds, counted as the tabletops count it.
struct ExportCounts {
  // Wall segments (a polyline of n points is n - 1 walls) and doors.
  int walls = 0;
  int doors = 0;
  int lights = 0;
  long pictureWidth = 0;
  long pictureHeight = 0;
  std::vector<ExportFile> files;
};

// The outcome of checking an export against a preset.
struct TabletopCheck {
  // "roll20: 120 walls, 14 doors, 0 lights, 5600x4480 picture, map.png 2.1 MB".
  std::string summary;
  // One line each, naming the limit: "warning: ..." lines, and refusals that stop the export.
  std::vector<std::string> warnings;
  std::vector<std::string> refusals;
  bool refused() const { return !refusals.empty(); }
};

TabletopCheck checkTabletop(const TabletopPreset& preset, const ExportCounts& counts);

// A size in bytes as people read it: "812 KB", "2.1 MB" (1 MB = 1,048,576 bytes, as the
// tabletops measure their limits).
std::string fileSizeText(std::int64_t bytes);

}  // namespace delvora
