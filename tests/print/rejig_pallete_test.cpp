#include "print/rejig_pallete.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <tuple>

#include "render/raster_canvas.h"
#include "tests/support/generated_dungeon.h"

namespace delvora {
namespace {

int channelDistance(Rgb a, Rgb b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

TEST(ReJigPallete, GeneratedMapKeepsItsSizeWithAtMost236Colours) {
  Settings settings;
  settings.mapSizeIndex = MapSizeIndex::Size640x480;
  settings.river = true;
  const auto dungeon = testing::makeDungeon(settings);
  ASSERT_TRUE(dungeon->generated());
  const PaletteResult result = ReJigPallete(dungeon->picture());
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.image.width, 640);
  EXPECT_EQ(result.image.height, 480);
  EXPECT_LE(result.image.palette.size(), 236u);
  EXPECT_GT(result.image.palette.size(), 4u);
  ASSERT_EQ(result.image.indices.size(), 640u * 480u);
  for (const std::uint8_t index : result.image.indices) {
    ASSERT_LT(index, result.image.palette.size());
  }
}

TEST(ReJigPallete, PictureOfFewColoursSurvivesNearlyUnchanged) {
  // 16-pixel blocks of four map colours, as rooms on rock are.
  const Rgb colours[] = {colors::kWhite, colors::kBlack, colors::kRock, colors::kRed};
  Bitmap picture(96, 64);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 96; ++x) picture.setPixel(x, y, colours[(x / 16 + y / 16) % 4]);
  }
  const PaletteResult result = ReJigPallete(picture);
  ASSERT_TRUE(result.ok()) << result.error;
  int far = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 96; ++x) {
      const int distance = channelDistance(result.image.pixel(x, y), picture.pixel(x, y));
      if (distance > 48) ++far;
      EXPECT_LE(distance, 128) << "pixel " << x << "," << y;
    }
  }
  // Only block edges may ring.
  EXPECT_LT(far, 96 * 64 / 50);
}

TEST(ReJigPallete, LibraryErrorsAreReportedNotFatal) {
  const PaletteResult empty = ReJigPallete(Bitmap());
  EXPECT_FALSE(empty.ok());
  EXPECT_TRUE(empty.image.empty());
  const PaletteResult tooWide = ReJigPallete(Bitmap(70000, 1));
  EXPECT_FALSE(tooWide.ok());
  EXPECT_NE(tooWide.error.find("65500"), std::string::npos) << tooWide.error;
  // The library stays usable after an error.
  EXPECT_TRUE(ReJigPallete(Bitmap(8, 8)).ok());
}

}  // namespace
}  // namespace delvora
