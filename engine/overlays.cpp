#include "engine/overlays.h"

#include "engine/steps.h"

namespace delvora {

void saveOverlayStart(MapModel& model) {
  model.state.savedSeed = model.random.state();
  model.state.savedCourseFlag = model.state.courseFlag;
}

void restoreOverlayStart(MapModel& model) {
  model.random.setState(model.state.savedSeed);
  model.state.courseFlag = model.state.savedCourseFlag;
}

void drawOverlays(StepContext& ctx) {
  EngineState& state = ctx.model.state;
  if (ctx.settings.river) BuildRiver(ctx);
  state.courseFlag = ctx.model.random.Random(2);
  if (ctx.settings.chasm) BuildChasm(ctx);
  if (ctx.settings.drawGrid) DrawGrid(ctx);
}

}  // namespace delvora
