#include "engine/steps.h"

namespace delvora {

void DrawGrid(StepContext& ctx) {
  Canvas& canvas = ctx.canvas;
  const int width = ctx.model.state.mapWidth;
  const int height = ctx.model.state.mapHeight;
  canvas.setPenColor(colors::kSilver);
  canvas.setPenWidth(1);
  canvas.setPenMode(PenMode::Mask);
  for (int x = 0; x < width; x += kGridSize) {
    canvas.moveTo(x, 0);
    canvas.lineTo(x, height);
  }
  for (int y = 0; y < height; y += kGridSize) {
    canvas.moveTo(0, y);
    canvas.lineTo(width, y);
  }
}

}  // namespace delvora
