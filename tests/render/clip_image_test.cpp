#include "render/clip_image.h"

#include <gtest/gtest.h>

#include <memory>

namespace delvora {
namespace {

// A map whose every pixel tells its own position, so copies can be checked one to one.
Bitmap positionMap(int width, int height) {
  Bitmap map(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      map.setPixel(x, y, {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
    }
  }
  return map;
}

TEST(ClipImage, EmptyGridGivesFiveByFiveFromTheOrigin) {
  auto grid = std::make_unique<OccupancyGrid>();
  grid->clear(64, 48);
  const Bitmap map = positionMap(64, 48);
  const Bitmap clip = ClipImage(*grid, map);
  ASSERT_EQ(clip.width(), 5);
  ASSERT_EQ(clip.height(), 5);
  EXPECT_EQ(clip.pixel(4, 4), map.pixel(4, 4));
}

TEST(ClipImage, OccupiedPartWithClampedMargins) {
  const struct {
    int left, top, right, bottom;  // marked cells, inclusive
    int clipLeft, clipTop, clipRight, clipBottom;
  } cases[] = {
      {20, 10, 30, 25, 15, 5, 35, 30},   // margins all round
      {2, 0, 30, 25, 0, 0, 35, 30},      // clamped at the left and top
      {20, 10, 64, 48, 15, 5, 64, 48},   // reaching the right and bottom edges
      {0, 0, 64, 48, 0, 0, 64, 48},      // everything
      {40, 30, 40, 30, 35, 25, 45, 35},  // one cell
  };
  for (const auto& c : cases) {
    auto grid = std::make_unique<OccupancyGrid>();
    grid->clear(64, 48);
    grid->mark(c.left, c.top, c.right, c.bottom);
    const Bitmap map = positionMap(64, 48);
    const Bitmap clip = ClipImage(*grid, map);
    const std::string where = std::to_string(c.left) + "," + std::to_string(c.top);
    ASSERT_EQ(clip.width(), c.clipRight - c.clipLeft) << where;
    ASSERT_EQ(clip.height(), c.clipBottom - c.clipTop) << where;
    for (int y = 0; y < clip.height(); ++y) {
      for (int x = 0; x < clip.width(); ++x) {
        ASSERT_EQ(clip.pixel(x, y), map.pixel(x + c.clipLeft, y + c.clipTop)) << where;
      }
    }
  }
}

TEST(ClipImage, BoundsComeFromDifferentFeatures) {
  auto grid = std::make_unique<OccupancyGrid>();
  grid->clear(160, 120);
  grid->mark(50, 60, 60, 70);
  grid->mark(80, 20, 90, 30);
  const Bitmap clip = ClipImage(*grid, positionMap(160, 120));
  EXPECT_EQ(clip.width(), 90 + 5 - 45);
  EXPECT_EQ(clip.height(), 70 + 5 - 15);
  EXPECT_EQ(clip.pixel(0, 0), (Rgb{45, 15, 7}));
}

TEST(ClipImage, SmallerBitmapThanTheMapLeavesWhite) {
  auto grid = std::make_unique<OccupancyGrid>();
  grid->clear(64, 48);
  grid->mark(10, 10, 60, 40);
  const Bitmap clip = ClipImage(*grid, positionMap(32, 24));
  ASSERT_EQ(clip.width(), 59);
  ASSERT_EQ(clip.height(), 40);
  EXPECT_EQ(clip.pixel(0, 0), (Rgb{5, 5, 7}));
  EXPECT_EQ(clip.pixel(30, 30), colors::kWhite);
}

}  // namespace
}  // namespace delvora
