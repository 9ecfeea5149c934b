#pragma once

#include "dressing/dressing_tables.h"
#include "engine/generation_run.h"

namespace delvora {

struct GenerateResult {
  LoadResult load;
  RunReport run;
  // False when the dressing load failed and no run was made.
  bool generated = false;
};

// What "Generate" does: seed from settings.seed, AddFluff, then runGeneration with NumberRooms as
// the numberRooms hook (hooks.processMessages passed through). When the load fails the run does not
// happen. The model's lists must be empty (MapModel::clearMapLists).
GenerateResult generateDungeon(MapModel& model, const Settings& settings, DressingTables& tables,
                               Canvas& canvas, const RunHooks& hooks = {});

}  // namespace delvora
