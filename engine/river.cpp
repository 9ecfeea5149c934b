#include "engine/steps.h"

namespace delvora {

namespace {

struct BandStyle {
  Rgb color;
  int startWidth;
  int reversalAbove;  // a 0..99 draw above this reverses the sideways direction
  int widthPeriod;    // a new width once the step counter exceeds this
  int widthDraw;      // new width drawn as Random(widthDraw)
  int minimumWidth;
};

constexpr BandStyle kRiver{colors::kBlue, 8, 85, 10, 8, 2};
constexpr BandStyle kChasm{colors::kBlack, 12, 70, 3, 12, 3};
constexpr int kAdvance = 8;
// The start lies from 0 to the map's size less this, at least this far from the far edge.
constexpr int kStartMargin = 16;

// Draws the band; course receives its points as drawn.
void walk(StepContext& ctx, const BandStyle& style, std::vector<CoursePoint>& course) {
  Canvas& canvas = ctx.canvas;
  RandomSource& random = ctx.model.random;
  const int width = ctx.model.state.mapWidth;
  const int height = ctx.model.state.mapHeight;
  const bool eastward = ctx.model.state.courseFlag == 0;

  canvas.setPenColor(style.color);
  canvas.setPenWidth(style.startWidth);
  int counter = 0;
  int direction = 1;
  int x = 0;
  int y = 0;
  if (eastward) {
    y = random.Random(height - kStartMargin);
  } else {
    x = random.Random(width - kStartMargin);
  }
  canvas.moveTo(x, y);
  course = {{x, y, 0}};
  const auto inside = [&] {
    return eastward ? (x < width && y > 0 && y < height) : (x > 0 && x < width && y < height);
  };
  while (inside()) {
    ++counter;
    const int r = random.Random(100);
    const int d = random.Random(8);
    (eastward ? x : y) += kAdvance;
    if (r > style.reversalAbove) direction = -direction;
    (eastward ? y : x) += direction * d;
    if (counter > style.widthPeriod) {
      canvas.setPenWidth(random.Random(style.widthDraw));
      counter = 0;
    }
    if (canvas.penWidth() < style.minimumWidth) canvas.setPenWidth(style.minimumWidth);
    canvas.lineTo(x, y);
    course.push_back({x, y, canvas.penWidth()});
  }
}

}  // namespace

void BuildRiver(StepContext& ctx) {
  walk(ctx, kRiver, ctx.model.riverCourse);
}

void BuildChasm(StepContext& ctx) {
  walk(ctx, kChasm, ctx.model.chasmCourse);
}

}  // namespace delvora
