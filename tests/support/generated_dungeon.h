#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dressing/dressing_tables.h"
#include "dungeon/dungeon.h"
#include "dungeon/generate.h"
#include "engine/dead_ends.h"
#include "engine/map_model.h"

namespace delvora::testing {

// A dressing folder that does not exist: the dungeon gets the built-in tables only, whatever
// files the working folder holds.
inline constexpr const char* kNoDressingFiles = "/nonexistent-delvora-dressing";

// How a test dungeon is made besides its settings.
struct DungeonOptions {
  // Draws the players' map (no room numbers, hidden doors as wall) instead of the game master's.
  bool playerMap = false;
  // Clean-ups run after the generation, in order.
  std::vector<DeadEndMode> deadEnds = {};
};

// The settings a test dungeon is made with: an empty dressingDir is read as kNoDressingFiles, so
// that no stray files count.
inline Settings testSettings(Settings settings) {
  if (settings.dressingDir.empty()) settings.dressingDir = kNoDressingFiles;
  return settings;
}

// One dungeon as "Generate" makes it (seeded, dressing loaded, run), with the clean-ups asked for.
inline std::unique_ptr<Dungeon> makeDungeon(const Settings& settings,
                                            const DungeonOptions& options = {}) {
  auto dungeon = std::make_unique<Dungeon>();
  dungeon->generate(testSettings(settings),
                    options.playerMap ? Audience::Players : Audience::GameMaster);
  for (const DeadEndMode mode : options.deadEnds) dungeon->cleanDeadEnds(mode);
  return dungeon;
}

// A run drawn on a canvas of the test's own (a RecordingCanvas, say), for tests that look at the
// drawing calls or at the run's stages.
struct CanvasRun {
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  Settings settings;
  DressingTables tables;
  GenerateResult result;
  // lstWalls as the build attempts left it, before stretching.
  std::vector<std::string> builtWalls;
  // How often the run let the window process messages.
  int messages = 0;
};

inline std::unique_ptr<CanvasRun> runOnCanvas(const Settings& settings, Canvas& canvas) {
  auto run = std::make_unique<CanvasRun>();
  CanvasRun& r = *run;
  r.settings = testSettings(settings);
  RunHooks hooks;
  // The second yield comes right after the build attempts.
  hooks.processMessages = [&r] {
    if (++r.messages == 2) r.builtWalls = r.model->lstWalls.records();
  };
  r.result =
      generateDungeon(*r.model, r.settings, DressingSource::fromFolder(r.settings.dressingDir),
                      r.tables, canvas, hooks);
  return run;
}

}  // namespace delvora::testing
