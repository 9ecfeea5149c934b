#include <gtest/gtest.h>

#include <string>

#include "dungeon/picture_limits.h"

namespace delvora {
namespace {

Settings ofSize(MapSizeIndex size) {
  Settings settings;
  settings.mapSizeIndex = size;
  return settings;
}

// Each use has its own limit; the largest scale named is the last one that fits, which the web
// page and the command line both offer.
TEST(PictureLimits, EachUseRefusesPastItsLimitNamingTheLargestScaleThatFits) {
  const struct {
    MapSizeIndex size;
    int pxPerGrid;
    PictureUse use;
    std::string error;
  } cases[] = {
      {MapSizeIndex::Size1280x1024, 204, PictureUse::Tabletop, ""},
      {MapSizeIndex::Size1280x1024, 205, PictureUse::Tabletop,
       "--px-per-grid 205: the 1280x1024 map would be a 16400x13120 picture; tabletops load at "
       "most 16384 pixels a side, so use --px-per-grid 204 or less"},
      {MapSizeIndex::Size1280x1024, 819, PictureUse::Png, ""},
      {MapSizeIndex::Size1280x1024, 1000, PictureUse::Png,
       "--px-per-grid 1000: the 1280x1024 map would be a 80000x64000 picture; a PNG for most "
       "readers holds at most 65535 pixels a side, so use --px-per-grid 819 or less"},
      {MapSizeIndex::Size640x480, 1000, PictureUse::Png, ""},
      {MapSizeIndex::Size640x480, 410, PictureUse::Tabletop,
       "--px-per-grid 410: the 640x480 map would be a 16400x12300 picture; tabletops load at "
       "most 16384 pixels a side, so use --px-per-grid 409 or less"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pictureSizeError(ofSize(c.size), c.pxPerGrid, c.use), c.error)
        << c.pxPerGrid << (c.use == PictureUse::Png ? " png" : " tabletop");
  }
}

TEST(PictureLimits, SmallGridsNameEveryTabletopThatEnlargesThem) {
  EXPECT_EQ(smallGridWarning(50), "");
  EXPECT_EQ(smallGridWarning(25),
            "--px-per-grid 25 is below the smallest scene grid of Foundry VTT v11 (50 pixels); "
            "the grid gets enlarged there, so distances and token sizes come out wrong");
  EXPECT_NE(smallGridWarning(19).find("and Foundry VTT v12 and later (20 pixels)"),
            std::string::npos);
}

}  // namespace
}  // namespace delvora
