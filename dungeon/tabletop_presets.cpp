#include "dungeon/tabletop_presets.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace delvora {

namespace {

constexpr std::int64_t kMegabyte = std::int64_t{1024} * 1024;

// The limits, with where each is published, are in the README's tabletop table.
constexpr std::array<TabletopPreset, 6> kPresets{{
    {"foundry",
     "Foundry VTT",
     100,
     {16384, true, "is the most it renders reliably"},
     {},
     {},
     {},
     {}},
    {"roll20",
     "Roll20",
     70,
     {},
     {10 * kMegabyte, false, "is the most a free account uploads"},
     {},
     {},
     {}},
    {"fantasy-grounds",
     "Fantasy Grounds",
     50,
     {4000, false, "is the most its makers recommend"},
     {},
     {},
     {},
     {}},
    {"maptool", "MapTool", 50, {}, {}, {}, {}, {}},
    {"owlbear", "Owlbear Rodeo", 100, {}, {}, {}, {}, {}},
    {"lets-role",
     "Let's Role",
     50,
     {5000, false, "is the most it recommends"},
     {16 * kMegabyte, true, "is the most it imports"},
     {500, true, "is the most a scene takes"},
     {200, true, "is the most a scene takes"},
     {250, true, "is the most a scene takes"}},
}};

std::string number(std::int64_t value) {
  return std::to_string(value);
}

}  // namespace

std::span<const TabletopPreset> tabletopPresets() {
  return kPresets;
}

const TabletopPreset* findTabletopPreset(std::string_view name) {
  const auto found = std::find_if(kPresets.begin(), kPresets.end(),
                                  [name](const TabletopPreset& p) { return p.name == name; });
  return found == kPresets.end() ? nullptr : &*found;
}

std::string tabletopPresetNames() {
  std::string names;
  for (std::size_t i = 0; i < kPresets.size(); ++i) {
    if (i > 0) names += i + 1 == kPresets.size() ? " or " : ", ";
    names += kPresets[i].name;
  }
  return names;
}

std::string fileSizeText(std::int64_t bytes) {
  char text[32];
  if (bytes < kMegabyte) {
    std::snprintf(text, sizeof text, "%lld KB", static_cast<long long>((bytes + 1023) / 1024));
  } else {
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / kMegabyte);
  }
  return text;
}

TabletopCheck checkTabletop(const TabletopPreset& preset, const ExportCounts& counts) {
  TabletopCheck check;
  const std::string tabletop(preset.title);
  check.summary = std::string(preset.name) + ": " + number(counts.walls) + " walls, " +
                  number(counts.doors) + " doors, " + number(counts.lights) + " lights, " +
                  number(counts.pictureWidth) + "x" + number(counts.pictureHeight) + " picture";
  for (const ExportFile& file : counts.files) {
    check.summary += ", " + file.path + " " + fileSizeText(file.bytes);
  }
  const auto test = [&](const TabletopLimit& limit, std::int64_t value, const std::string& what,
                        const std::string& limitText) {
    if (limit.value == 0 || value <= limit.value) return;
    const std::string line = "--vtt " + std::string(preset.name) + ": " + what + "; " + limitText +
                             " " + std::string(limit.what) + " in " + tabletop;
    if (limit.refuse) {
      check.refusals.push_back(line);
    } else {
      check.warnings.push_back("warning: " + line);
    }
  };
  const long side = std::max(counts.pictureWidth, counts.pictureHeight);
  test(preset.pictureSide, side,
       "the picture is " + number(counts.pictureWidth) + "x" + number(counts.pictureHeight) +
           " pixels",
       number(preset.pictureSide.value) + " pixels a side");
  for (const ExportFile& file : counts.files) {
    test(preset.fileBytes, file.bytes, file.path + " is " + fileSizeText(file.bytes),
         fileSizeText(preset.fileBytes.value));
  }
  test(preset.walls, counts.walls, number(counts.walls) + " walls",
       number(preset.walls.value) + " walls");
  test(preset.doors, counts.doors, number(counts.doors) + " doors",
       number(preset.doors.value) + " doors");
  test(preset.lights, counts.lights, number(counts.lights) + " lights",
       number(preset.lights.value) + " lights");
  return check;
}

}  // namespace delvora
