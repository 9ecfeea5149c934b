#include "engine/steps.h"

namespace delvora {

void DrawGrid(StepContext& ctx) {
  Canvas& canvas = ctx.canvas;
  const int width = ctx.model.state.mapWidth;
  const int height = ctx.model.state.mapHeight;
  canvas.setPenColor(colors::kSilver);
  canvas.setPenWidth(1);
  canvas.setPenMode(PenMode::Mask);
  canvas.gridLines(width, height, kGridSize);
}

}  // namespace delvora
