#pragma once

#include "dressing/dressing_source.h"
#include "dressing/dressing_tables.h"
#include "engine/generation_run.h"

namespace delvora {

struct GenerateResult {
  LoadResult load;
  RunReport run;
  // False when the dressing load failed and no run was made.
  bool generated = false;
};

// What "Generate" does: seed from settings.seed, AddFluff from source, then runGeneration with
// NumberRooms as the numberRooms hook (hooks.processMessages passed through), drawing on canvas.
// When the load fails the run does not happen. The model's lists must be empty
// (MapModel::clearMapLists). A level below the first passes its entry (runGeneration). Dungeon
// is the usual way in; this serves tests that draw on a canvas of their own.
GenerateResult generateDungeon(MapModel& model, const Settings& settings,
                               const DressingSource& source, DressingTables& tables, Canvas& canvas,
                               const RunHooks& hooks = {}, const LevelEntry& entry = {});

}  // namespace delvora
