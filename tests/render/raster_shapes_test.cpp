#include "render/raster_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <utility>

namespace delvora {
namespace {

TEST(StrokeSpans, VisitsEachRowOnceWithTheExpectedWidth) {
  const struct {
    int x0, y0, x1, y1, width;
    int rowsAtMiddle;  // pixels of the column through the segment's middle
  } cases[] = {
      {10, 20, 30, 20, 2, 2},   {10, 20, 30, 20, 3, 3}, {10, 20, 30, 20, 8, 8},
      {10, 20, 30, 20, 12, 12}, {20, 5, 20, 35, 7, 7},  {20, 20, 20, 20, 4, 4},
  };
  for (const auto& c : cases) {
    std::set<int> rows;
    std::set<std::pair<int, int>> pixels;
    strokeSpans(c.x0, c.y0, c.x1, c.y1, c.width, {0, 0, 99, 99}, [&](int y, int x0, int x1) {
      EXPECT_TRUE(rows.insert(y).second) << "row " << y << " twice";
      EXPECT_LE(x0, x1);
      for (int x = x0; x <= x1; ++x) pixels.emplace(x, y);
    });
    const int midX = (c.x0 + c.x1) / 2;
    const int midY = (c.y0 + c.y1) / 2;
    int column = 0;
    int row = 0;
    for (const auto& [x, y] : pixels) {
      column += x == midX ? 1 : 0;
      row += y == midY ? 1 : 0;
    }
    const int along = c.y0 == c.y1 ? column : row;
    EXPECT_EQ(along, c.rowsAtMiddle) << "width " << c.width;
  }
}

TEST(StrokeSpans, StaysInsideTheBounds) {
  int visited = 0;
  strokeSpans(-50, -50, 150, 150, 9, {10, 20, 30, 40}, [&](int y, int x0, int x1) {
    EXPECT_GE(y, 20);
    EXPECT_LE(y, 40);
    EXPECT_GE(x0, 10);
    EXPECT_LE(x1, 30);
    ++visited;
  });
  // The stroke leaves the bounds' right edge after row 36 (x ~ y + 6.4).
  EXPECT_EQ(visited, 17);
}

// A pixel is in the stroke when its centre lies within width / 2 of the segment; even widths
// centre on the corner between pixels. Worked out here in doubles, exact at these sizes.
bool inStroke(int x, int y, int x0, int y0, int x1, int y1, int width) {
  const double offset = width % 2 == 0 ? 0.5 : 0.0;
  const double px = x + offset - x0;
  const double py = y + offset - y0;
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 == 0 ? 0 : std::clamp((px * dx + py * dy) / length2, 0.0, 1.0);
  const double ex = px - t * dx;
  const double ey = py - t * dy;
  return 4 * (ex * ex + ey * ey) <= static_cast<double>(width) * width;
}

TEST(StrokeSpans, HoldExactlyThePixelsWithinHalfTheWidth) {
  std::uint32_t state = 99;
  const auto next = [&](int n) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
  };
  for (int round = 0; round < 300; ++round) {
    const int x0 = next(60) - 10;
    const int y0 = next(60) - 10;
    const int x1 = round % 3 == 0 ? x0 + 8 : next(60) - 10;
    const int y1 = round % 3 == 0 ? y0 + next(15) - 7 : next(60) - 10;
    const int width = 2 + next(12);
    const PixelBounds bounds{0, 0, 39, 39};
    std::set<std::pair<int, int>> visited;
    strokeSpans(x0, y0, x1, y1, width, bounds, [&](int y, int from, int to) {
      for (int x = from; x <= to; ++x) visited.emplace(x, y);
    });
    std::set<std::pair<int, int>> expected;
    for (int y = 0; y <= 39; ++y) {
      for (int x = 0; x <= 39; ++x) {
        if (inStroke(x, y, x0, y0, x1, y1, width)) expected.emplace(x, y);
      }
    }
    ASSERT_EQ(visited, expected) << x0 << "," << y0 << " to " << x1 << "," << y1 << " width "
                                 << width;
  }
}

TEST(RoundRectInsets, AreSymmetricAndCutOnlyTheCorners) {
  const struct {
    int width, height, cornerWidth, cornerHeight;
  } cases[] = {{96, 64, 48, 32}, {16, 16, 8, 8}, {33, 17, 16, 8}, {64, 160, 32, 80},
               {2, 2, 1, 1},     {10, 10, 0, 0}, {10, 10, 40, 40}};
  for (const auto& c : cases) {
    const std::vector<int> insets =
        roundRectInsets(c.width, c.height, c.cornerWidth, c.cornerHeight);
    ASSERT_EQ(static_cast<int>(insets.size()), c.height);
    for (int i = 0; i < c.height; ++i) {
      const int inset = insets[static_cast<std::size_t>(i)];
      EXPECT_EQ(inset, insets[static_cast<std::size_t>(c.height - 1 - i)]) << i;
      EXPECT_GE(inset, 0);
      EXPECT_LE(2 * inset, c.width - 1) << "row " << i << " of " << c.width << "x" << c.height;
      // Rows further from the edge are cut no more.
      if (i > 0 && i < c.height / 2) {
        EXPECT_LE(inset, insets[static_cast<std::size_t>(i - 1)]);
      }
      // Beyond the corner height rows are whole.
      if (2 * i >= c.cornerHeight && 2 * (c.height - 1 - i) >= c.cornerHeight) {
        EXPECT_EQ(inset, 0) << "row " << i;
      }
    }
    if (c.cornerWidth >= 4 && c.cornerHeight >= 4) {
      EXPECT_GT(insets[0], 0);
    }
  }
}

}  // namespace
}  // namespace delvora
