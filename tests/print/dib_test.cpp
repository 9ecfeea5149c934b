#include "print/dib.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "print/dib_rle.h"
#include "tests/print/print_test_support.h"

namespace delvora {
namespace {

using testing::numberedImage;

TEST(DibExtraction, PaletteBitmapRoundTripsThroughBmp) {
  const IndexedImage image = numberedImage(6, 5);
  const std::vector<std::uint8_t> bmp = writeBmp(image);
  ASSERT_EQ(bmp[0], 'B');
  ASSERT_EQ(bmp[1], 'M');
  const std::optional<Dib> dib = extractDib(std::span<const std::uint8_t>(bmp));
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib->width, 6);
  EXPECT_EQ(dib->height, 5);
  EXPECT_EQ(dib->header.size(), 40u + 4u * 256u);
  // Rows of 6 bytes are padded to 8 and stored bottom-up.
  ASSERT_EQ(dib->pixels.size(), 8u * 5u);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(dib->pixels[static_cast<std::size_t>(8 * (4 - y) + x)], (x + 7 * y) % 256)
          << "pixel " << x << "," << y;
    }
  }
  const std::optional<DibHeaderInfo> info = readDibHeader(dib->header);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->bitsPerPixel, 8);
  EXPECT_EQ(info->colorsUsed, 256u);
  // The colour table is blue, green, red, reserved.
  EXPECT_EQ(dib->header[40 + 4 * 9], 9);
}

// A 12-byte core header, a 2-entry colour table and 8 rows of 1-bit pixels (4 bytes each).
std::vector<std::uint8_t> coreBmp() {
  std::vector<std::uint8_t> bmp(14 + 12 + 6 + 32, 0);
  const std::span<std::uint8_t> out(bmp);
  writeU16(out, 0, 19778);
  writeU32(out, 2, static_cast<std::uint32_t>(bmp.size()));
  writeU32(out, 10, 14 + 12 + 6);
  writeU32(out, 14, 12);
  writeU16(out, 18, 8);
  writeU16(out, 20, 8);
  writeU16(out, 22, 1);
  writeU16(out, 24, 1);
  return bmp;
}

TEST(DibExtraction, AcceptsCoreHeader) {
  const std::vector<std::uint8_t> bmp = coreBmp();
  const std::optional<Dib> dib = extractDib(std::span<const std::uint8_t>(bmp));
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib->width, 8);
  EXPECT_EQ(dib->header.size(), 18u);
  EXPECT_EQ(dib->pixels.size(), 32u);
}

TEST(DibExtraction, RejectsBadStreams) {
  const std::vector<std::uint8_t> good = writeBmp(numberedImage(6, 5));
  const struct {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> damage;
  } cases[] = {
      {"signature not BM", [](auto& b) { b[1] = 'X'; }},
      {"pixel offset 14", [](auto& b) { writeU32(b, 10, 14); }},
      {"pixel offset at stream end",
       [](auto& b) { writeU32(b, 10, static_cast<std::uint32_t>(b.size())); }},
      {"header size 41", [](auto& b) { writeU32(b, 14, 41); }},
      {"header size 108", [](auto& b) { writeU32(b, 14, 108); }},
      {"width 0", [](auto& b) { writeU32(b, 18, 0); }},
      {"negative width", [](auto& b) { writeU32(b, 18, static_cast<std::uint32_t>(-6)); }},
      {"height 0",
       [](auto& b) {
         writeU32(b, 22, 0);
         writeU32(b, 34, 0);
       }},
      {"pixel block below 32 bytes", [](auto& b) { writeU32(b, 34, 31); }},
      {"stream cut short", [](auto& b) { b.resize(b.size() - 1); }},
      {"only a file header", [](auto& b) { b.resize(14); }},
      {"empty stream", [](auto& b) { b.clear(); }},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> bmp = good;
    c.damage(bmp);
    EXPECT_FALSE(extractDib(std::span<const std::uint8_t>(bmp))) << c.name;
  }
}

TEST(DibExtraction, TopDownHeightCountsAsPositive) {
  std::vector<std::uint8_t> bmp = writeBmp(numberedImage(8, 5));
  writeU32(bmp, 22, static_cast<std::uint32_t>(-5));
  const std::optional<Dib> dib = extractDib(std::span<const std::uint8_t>(bmp));
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib->height, 5);
}

TEST(DibRle, ExpandsRunsLiteralsDeltasAndFillsSkippedPixels) {
  // Bottom row: run of 3 x index 5, literal 1 2 3, end of line; then a delta of (1, 0) and a run
  // of 2 x index 7, end of bitmap. Row width 8, fill 9.
  const std::vector<std::uint8_t> data = {3, 5, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 0, 2, 7, 0, 1};
  const auto pixels = expandRle(data, 8, 2, 8, 9);
  ASSERT_TRUE(pixels);
  const std::vector<std::uint8_t> expected = {5, 5, 5, 1, 2, 3, 9, 9, 9, 7, 7, 9, 9, 9, 9, 9};
  EXPECT_EQ(*pixels, expected);
}

TEST(DibRle, FourBitRunsAlternateNibbles) {
  const std::vector<std::uint8_t> data = {5, 0x12, 0, 1};
  const auto pixels = expandRle(data, 6, 1, 4, 0xF);
  ASSERT_TRUE(pixels);
  // 1 2 1 2 1 then the fill, packed two to a byte, padded to 4 bytes.
  const std::vector<std::uint8_t> expected = {0x12, 0x12, 0x1F, 0};
  EXPECT_EQ(*pixels, expected);
}

TEST(DibRle, RejectsDataPastTheImage) {
  const std::vector<std::uint8_t> overflow = {0, 0, 0, 0, 2, 5};  // a run on row 2 of 2
  EXPECT_FALSE(expandRle(overflow, 4, 2, 8, 0));
  const std::vector<std::uint8_t> shortLiteral = {0, 5, 1, 2};
  EXPECT_FALSE(expandRle(shortLiteral, 8, 1, 8, 0));
}

}  // namespace
}  // namespace delvora
