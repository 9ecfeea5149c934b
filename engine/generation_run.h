#pragma once

#include <functional>

#include "engine/landings.h"
#include "engine/map_model.h"

namespace delvora {

// Points at which a run lets its caller work: a window processes pending messages there, and
// the dressing library numbers and dresses the rooms.
struct RunHooks {
  // Called where the window would process pending messages (after the background, after the
  // build attempts, and inside the steps that say so).
  std::function<void()> processMessages;
  // Room numbering and dressing; called only when "Number Rooms" is on.
  std::function<void(StepContext&)> numberRooms;
};

// What a run could not do as asked.
struct RunReport {
  // Staircases asked for but not placed because the search gave up.
  int stairsShortfall = 0;
};

// One whole generation run on the map as the map window shows it: background, first room,
// build attempts, stretching, numbering, stairs, river, chasm and grid, in the order that fixes
// the random draws. The lists must start empty (MapModel::clearMapLists). A level below the
// first (entry with up staircases) starts from landing rooms around them, its groups of
// features are joined after the stretching, and its stairs step links them.
RunReport runGeneration(StepContext& ctx, const RunHooks& hooks = {}, const LevelEntry& entry = {});

}  // namespace delvora
