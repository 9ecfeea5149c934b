// Nearest-neighbour scaling at N pixels per 16-pixel square and the scaled PNG.
#include "render/scaled_rows.h"

#include <png.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/png_writer.h"

namespace delvora {
namespace {

// A 32 x 16 bitmap: the left square red, the right one blue, with a white pixel at (17, 1).
Bitmap twoSquares() {
  Bitmap bitmap(32, 16, colors::kRed);
  for (int y = 0; y < 16; ++y) {
    for (int x = 16; x < 32; ++x) bitmap.setPixel(x, y, colors::kBlue);
  }
  bitmap.setPixel(17, 1, colors::kWhite);
  return bitmap;
}

Rgb rowPixel(const std::uint8_t* row, int x) {
  const std::uint8_t* p = row + static_cast<std::size_t>(x) * 3;
  return {p[0], p[1], p[2]};
}

TEST(ScaledPng, NearestNeighbourAtAnyScale) {
  const Bitmap source = twoSquares();
  const struct {
    int pxPerGrid;
    int width;
    int height;
  } cases[] = {{16, 32, 16}, {32, 64, 32}, {70, 140, 70}, {140, 280, 140}, {8, 16, 8}, {1, 2, 1}};
  for (const auto& c : cases) {
    ScaledRows rows(source, c.pxPerGrid);
    ASSERT_EQ(rows.width(), c.width) << c.pxPerGrid;
    ASSERT_EQ(rows.height(), c.height) << c.pxPerGrid;
    for (int y = 0; y < rows.height(); ++y) {
      const std::uint8_t* row = rows.row(y);
      const int sy = y * 16 / c.pxPerGrid;
      for (int x = 0; x < rows.width(); ++x) {
        const int sx = x * 16 / c.pxPerGrid;
        ASSERT_EQ(rowPixel(row, x), source.pixel(sx, sy))
            << c.pxPerGrid << " px at " << x << "," << y;
      }
    }
  }
  // At 32 px per square the white pixel becomes a crisp 2 x 2 block at (34, 2).
  ScaledRows doubled(source, 32);
  EXPECT_EQ(rowPixel(doubled.row(2), 34), colors::kWhite);
  EXPECT_EQ(rowPixel(doubled.row(3), 35), colors::kWhite);
  EXPECT_EQ(rowPixel(doubled.row(4), 35), colors::kBlue);
  EXPECT_EQ(rowPixel(doubled.row(3), 36), colors::kBlue);
}

// Decodes an in-memory PNG with libpng's simplified reader.
Bitmap decodePng(const std::vector<std::uint8_t>& bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) return {};
  image.format = PNG_FORMAT_RGB;
  Bitmap bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) return {};
  for (int y = 0; y < bitmap.height(); ++y) {
    std::copy_n(pixels.data() + static_cast<std::size_t>(y) * bitmap.width() * 3,
                bitmap.width() * 3, bitmap.row(y));
  }
  return bitmap;
}

TEST(ScaledPng, PngHoldsTheScaledImage) {
  const Bitmap decoded = decodePng(pngBytes(twoSquares(), 48));
  ASSERT_EQ(decoded.width(), 96);
  ASSERT_EQ(decoded.height(), 48);
  EXPECT_EQ(decoded.pixel(47, 47), colors::kRed);
  EXPECT_EQ(decoded.pixel(48, 0), colors::kBlue);
  EXPECT_EQ(decoded.pixel(51, 3), colors::kWhite);
  EXPECT_EQ(decodePng(pngBytes(twoSquares(), 100)).width(), 200);
  EXPECT_EQ(decodePng(pngBytes(twoSquares(), 16)), twoSquares());
}

}  // namespace
}  // namespace delvora
