#include "dungeon/generate.h"

#include "dressing/room_dressing.h"

namespace delvora {

GenerateResult generateDungeon(MapModel& model, const Settings& settings,
                               const DressingSource& source, DressingTables& tables, Canvas& canvas,
                               const RunHooks& hooks, const LevelEntry& entry) {
  GenerateResult result;
  model.random.setState(settings.seed);
  // The quantity draws of the load are the first draws of every dungeon.
  result.load = AddFluff(tables, model.random, source);
  if (!result.load.ok()) return result;
  StepContext ctx{model, settings, canvas};
  RunHooks runHooks;
  runHooks.processMessages = hooks.processMessages;
  runHooks.numberRooms = [&](StepContext& c) { NumberRooms(c, tables, hooks.processMessages); };
  result.run = runGeneration(ctx, runHooks, entry);
  result.generated = true;
  return result;
}

}  // namespace delvora
