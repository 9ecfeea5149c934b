#include "engine/generation_run.h"

#include "engine/steps.h"

namespace delvora {

namespace {

void processMessages(const RunHooks& hooks) {
  if (hooks.processMessages) hooks.processMessages();
}

// The map's background: plain white, or the speckled rock tile repeated from the top-left.
void paintBackground(StepContext& ctx) {
  const EngineState& state = ctx.model.state;
  ctx.canvas.reset(state.mapWidth, state.mapHeight);
  if (!ctx.settings.showBackground) return;
  const TileSize tile = tileSize(Tile::Speckled);
  for (int y = 0; y < state.mapHeight; y += tile.height) {
    for (int x = 0; x < state.mapWidth; x += tile.width) ctx.canvas.drawTile(Tile::Speckled, x, y);
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

RunReport FormShow(StepContext& ctx, const RunHooks& hooks) {
  MapModel& model = ctx.model;
  EngineState& state = model.state;
  const Settings& settings = ctx.settings;
  RunReport report;

  state.corridorStyle = settings.corridorStyle;
  state.courseFlag = model.random.Random(2);
  const MapSize size = mapSizeFor(settings.mapSizeIndex);
  state.mapWidth = size.width;
  state.mapHeight = size.height;
  state.snapStep = settings.snapToGrid ? 16 : 1;
  model.grid.clear(state.mapWidth, state.mapHeight);
  paintBackground(ctx);
  preparePen(ctx.canvas);
  processMessages(hooks);

  state.featureCount = 0;
  FirstRoom(ctx);
  for (int attempt = 0; attempt < settings.iterations; ++attempt) BuildFeature(ctx);
  processMessages(hooks);

  StretchCorridor(ctx);
  if (settings.numberRooms && hooks.numberRooms) hooks.numberRooms(ctx);
  report.stairsShortfall = AddStairs(ctx);

  state.savedSeed = model.random.state();
  state.savedCourseFlag = state.courseFlag;
  if (settings.river) BuildRiver(ctx);
  state.courseFlag = model.random.Random(2);
  if (settings.chasm) BuildChasm(ctx);
  if (settings.drawGrid) DrawGrid(ctx);
  return report;
}

}  // namespace delvora
