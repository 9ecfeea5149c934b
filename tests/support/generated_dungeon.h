#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dressing/dressing_tables.h"
#include "dressing/generate.h"
#include "engine/dead_ends.h"
#include "engine/map_model.h"
#include "render/bitmap.h"
#include "render/player_canvas.h"
#include "render/raster_canvas.h"

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
  // Draws on this canvas (a RecordingCanvas, say) instead of the raster; it must outlive the
  // dungeon when the test draws more.
  Canvas* canvas = nullptr;
};

// One dungeon as "Generate" makes it (seeded, dressing loaded, run) and the clean-ups asked for,
// with everything the test may look at afterwards.
struct GeneratedDungeon {
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  Settings settings;
  DressingTables tables;
  RasterCanvas raster;
  // The players' view of the raster, when asked for.
  std::unique_ptr<PlayerMapCanvas> playerView;
  // The canvas the run drew on: the raster, the players' view of it, or the test's own.
  Canvas* canvas = &raster;
  GenerateResult result;
  // lstWalls as the build attempts left it, before stretching.
  std::vector<std::string> builtWalls;
  // How often the run let the window process messages.
  int messages = 0;

  const Bitmap& bitmap() const { return raster.bitmap(); }
  // The context for running more steps on this dungeon (clean-ups, say).
  StepContext context() { return StepContext{*model, settings, *canvas}; }
};

// An empty dressingDir in settings is read as kNoDressingFiles, so that no stray files count.
inline std::unique_ptr<GeneratedDungeon> makeDungeon(const Settings& settings,
                                                     const DungeonOptions& options = {}) {
  auto dungeon = std::make_unique<GeneratedDungeon>();
  dungeon->settings = settings;
  if (dungeon->settings.dressingDir.empty()) dungeon->settings.dressingDir = kNoDressingFiles;
  if (options.canvas != nullptr) {
    dungeon->canvas = options.canvas;
  } else if (options.playerMap) {
    dungeon->playerView = std::make_unique<PlayerMapCanvas>(dungeon->raster);
    dungeon->canvas = dungeon->playerView.get();
  }
  GeneratedDungeon& d = *dungeon;
  RunHooks hooks;
  // The second yield comes right after the build attempts.
  hooks.processMessages = [&d] {
    if (++d.messages == 2) d.builtWalls = d.model->lstWalls.records();
  };
  d.result = generateDungeon(*d.model, d.settings, d.tables, *d.canvas, hooks);
  StepContext ctx = d.context();
  for (const DeadEndMode mode : options.deadEnds) CleanDeadEnds(ctx, mode);
  return dungeon;
}

}  // namespace delvora::testing
