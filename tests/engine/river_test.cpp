#include <gtest/gtest.h>

#include "engine/steps.h"
#include "tests/support/engine_fixture.h"

namespace delvora {
namespace {

using testing::drawsBetween;
using testing::EngineFixture;

// A state whose next Random(n) gives the wanted value.
std::uint32_t stateGiving(int n, int wanted, std::uint32_t from = 1) {
  for (std::uint32_t s = from;; ++s) {
    RandomSource probe(s);
    if (probe.Random(n) == wanted) return s;
  }
}

TEST(River, StartOnTheEdgeDrawsOnceAndStops) {
  EngineFixture f;
  f.model->state.courseFlag = 0;
  const std::uint32_t seed = stateGiving(600 - 16, 0);
  f.model->random.setState(seed);
  StepContext ctx = f.ctx();
  BuildRiver(ctx);
  EXPECT_EQ(f.canvas.lines, 0);
  EXPECT_EQ(drawsBetween(seed, f.model->random.state()), 1);
}

TEST(River, WalkAcrossCountsItsDraws) {
  // A west-to-east walk that stays inside takes exactly width / 8 steps.
  int checked = 0;
  for (std::uint32_t seed = 1; seed < 400 && checked < 20; ++seed) {
    EngineFixture f;
    f.model->state.mapWidth = 640;
    f.model->state.mapHeight = 480;
    f.model->state.courseFlag = 0;
    f.model->random.setState(seed);
    StepContext ctx = f.ctx();
    BuildRiver(ctx);
    if (f.canvas.lastX != 640) continue;  // drifted off the top or bottom edge
    ++checked;
    const int steps = f.canvas.lines;
    EXPECT_EQ(steps, 80);
    EXPECT_EQ(drawsBetween(seed, f.model->random.state()), 1 + 2 * steps + steps / 11);
    EXPECT_EQ(f.canvas.penColor, colors::kBlue);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(f.canvas.widths[static_cast<std::size_t>(i)], 8);
    for (int w : f.canvas.widths) {
      EXPECT_GE(w, 2);
      EXPECT_LE(w, 8);
    }
  }
  EXPECT_GT(checked, 0);
}

TEST(Chasm, NorthToSouthWidthsAndDraws) {
  EngineFixture f;
  f.model->state.courseFlag = 1;
  f.model->random.setState(4242);
  StepContext ctx = f.ctx();
  BuildChasm(ctx);
  const int steps = f.canvas.lines;
  ASSERT_GT(steps, 0);
  EXPECT_EQ(drawsBetween(4242, f.model->random.state()), 1 + 2 * steps + steps / 4);
  EXPECT_EQ(f.canvas.penColor, colors::kBlack);
  for (int i = 0; i < 3 && i < steps; ++i)
    EXPECT_EQ(f.canvas.widths[static_cast<std::size_t>(i)], 12);
  for (int w : f.canvas.widths) {
    EXPECT_GE(w, 3);
    EXPECT_LE(w, 12);
  }
  // The course as drawn stays with the model, for the exports' walls.
  const std::vector<CoursePoint>& course = f.model->chasmCourse;
  ASSERT_EQ(course.size(), static_cast<std::size_t>(steps) + 1);
  EXPECT_EQ(course.front().y, 0);
  EXPECT_EQ(course.back(), (CoursePoint{f.canvas.lastX, f.canvas.lastY, f.canvas.widths.back()}));
  for (std::size_t i = 1; i < course.size(); ++i)
    EXPECT_EQ(course[i].width, f.canvas.widths[i - 1]);
  BuildRiver(ctx);
  EXPECT_EQ(course.size(), static_cast<std::size_t>(steps) + 1) << "the river keeps its own";
}

// The river's course is kept as drawn, like the chasm's, and keeping it draws nothing: the
// draws are those of the walk alone, whatever the course held before.
TEST(River, CourseIsRecordedAsDrawnWithoutADrawOfItsOwn) {
  for (const std::uint32_t seed : {3u, 4242u, 66205318u}) {
    EngineFixture f;
    f.model->state.courseFlag = static_cast<int>(seed % 2);
    f.model->riverCourse = {{1, 2, 3}, {4, 5, 6}};
    f.model->random.setState(seed);
    StepContext ctx = f.ctx();
    BuildRiver(ctx);
    const std::vector<CoursePoint>& course = f.model->riverCourse;
    const int steps = f.canvas.lines;
    ASSERT_GT(steps, 0) << seed;
    ASSERT_EQ(course.size(), static_cast<std::size_t>(steps) + 1) << seed;
    EXPECT_EQ(drawsBetween(seed, f.model->random.state()), 1 + 2 * steps + steps / 11) << seed;
    EXPECT_EQ(course.front().width, 0);
    EXPECT_TRUE(course.front().x == 0 || course.front().y == 0) << "starts on an edge";
    EXPECT_EQ(course.back(), (CoursePoint{f.canvas.lastX, f.canvas.lastY, f.canvas.widths.back()}));
    for (std::size_t i = 1; i < course.size(); ++i) {
      EXPECT_EQ(course[i].width, f.canvas.widths[i - 1]) << seed << " point " << i;
    }
    EXPECT_TRUE(f.model->chasmCourse.empty());
  }
}

}  // namespace
}  // namespace delvora
