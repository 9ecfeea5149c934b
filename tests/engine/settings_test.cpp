#include "engine/settings.h"

#include <gtest/gtest.h>

namespace delvora {
namespace {

// A list position becomes a map size only when the list offers it; the 1600x1200 capacity is
// never offered.
TEST(Settings, OnlyTheFourOfferedMapSizesComeFromAListPosition) {
  const struct {
    int position;
    const char* text;
  } offered[] = {{0, "640x480"}, {1, "800x600"}, {2, "1024x768"}, {3, "1280x1024"}};
  for (const auto& size : offered) {
    const std::optional<MapSizeIndex> index = offeredMapSize(size.position);
    ASSERT_TRUE(index) << size.position;
    EXPECT_EQ(mapSizeText(*index), size.text);
  }
  for (const int position : {-1, 4, 5, 1 << 30}) EXPECT_FALSE(offeredMapSize(position)) << position;
  EXPECT_EQ(mapSizeText(MapSizeIndex::Capacity), "1600x1200");
  EXPECT_EQ(Settings{}.mapSizeIndex, MapSizeIndex::Size800x600);
}

}  // namespace
}  // namespace delvora
