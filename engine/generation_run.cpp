#include "engine/generation_run.h"

#include "engine/overlays.h"
#include "engine/steps.h"

namespace delvora {

namespace {

void processMessages(const RunHooks& hooks) {
  if (hooks.processMessages) hooks.processMessages();
}

// The map's background: plain white, or the speckled rock tile repeated from the top-left.
void paintBackground(StepContext& ctx) {
  const EngineState& state = ctx.model.state;
  if (ctx.settings.showBackground) {
    ctx.canvas.resetTiled(state.mapWidth, state.mapHeight, Tile::Speckled);
  } else {
    ctx.canvas.reset(state.mapWidth, state.mapHeight);
  }
}

void preparePen(Canvas& canvas) {
  canvas.setPenMode(PenMode::Copy);
  canvas.setPenColor(colors::kBlack);
  canvas.setBrushColor(colors::kWhite);
  canvas.setBrushStyle(BrushStyle::Solid);
  canvas.setPenWidth(1);
}

}  // namespace

RunReport runGeneration(StepContext& ctx, const RunHooks& hooks, const LevelEntry& entry) {
  MapModel& model = ctx.model;
  EngineState& state = model.state;
  const Settings& settings = ctx.settings;
  RunReport report;

  // The river's course, drawn first; the river reads it from the state after the stairs.
  state.courseFlag = model.random.Random(2);
  const MapSize size = mapSizeFor(settings.mapSizeIndex);
  state.mapWidth = size.width;
  state.mapHeight = size.height;
  state.snapStep = settings.snapToGrid ? kGridSize : 1;
  model.grid.clear(state.mapWidth, state.mapHeight);
  paintBackground(ctx);
  preparePen(ctx.canvas);
  processMessages(hooks);

  state.featureCount = 0;  // the first room is recorded without an overlap test
  const bool linked = !entry.upStairs.empty();
  if (linked) AddLandings(ctx, entry.upStairs);
  FirstRoom(ctx);
  for (int attempt = 0; attempt < settings.iterations; ++attempt) BuildFeature(ctx);
  processMessages(hooks);

  StretchCorridor(ctx);
  if (linked) JoinClusters(ctx);
  if (settings.numberRooms && hooks.numberRooms) hooks.numberRooms(ctx);
  report.stairsShortfall = AddStairs(ctx, entry.upStairs);

  saveOverlayStart(model);
  drawOverlays(ctx);
  return report;
}

}  // namespace delvora
