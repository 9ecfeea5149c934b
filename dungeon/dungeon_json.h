#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dressing/dressing_tables.h"
#include "dungeon/dungeon.h"
#include "dungeon/levels.h"
#include "engine/dead_ends.h"
#include "engine/map_model.h"
#include "engine/settings.h"

namespace delvora {

// The name and version of the dungeon document's format. A reader of version 1 reads every
// file of version 1; fields may be added within a version, a change that would break a reader
// takes the next one.
inline constexpr std::string_view kDungeonFormat = "delvora-dungeon";
inline constexpr int kDungeonFormatVersion = 1;

// What the dungeon document is written from; a Dungeon holds all of it.
struct DungeonJsonSource {
  const Settings& settings;
  const MapModel& model;
  const DressingTables& tables;
  // The dead-end clean-ups run, in order.
  const std::vector<DeadEndMode>& deadEnds;
};

// The dungeon as one JSON document, described in docs/dungeon-json.md and checked by
// docs/dungeon.schema.json: the format and its version, the generator (this build's version),
// the seed, the settings by their command-line names and the levels (one today). UTF-8,
// indented by two blanks, ending in a line break. Empty before a dungeon was generated.
std::string dungeonJson(const Dungeon& dungeon);
// Every level of a dungeon of several levels in one document: the settings name the levels,
// each level gives its seed and where each staircase leads ("leads_to": the level and the
// index of its partner in that level's stairs, or null), and "links" lists every pair. One level
// gives exactly dungeonJson(levels.level(1)).
std::string dungeonJson(const DungeonLevels& levels);
// The same for any model, with the generator's version given.
std::string dungeonJson(const DungeonJsonSource& source, std::string_view generator);

}  // namespace delvora
