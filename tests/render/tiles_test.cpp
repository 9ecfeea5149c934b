#include "render/tiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/digit_font.h"

namespace delvora {
namespace {

constexpr Rgb kRock = colors::kRock;
constexpr Rgb kBlack = colors::kBlack;
constexpr Rgb kWhite = colors::kWhite;

std::string name(Tile tile) {
  return "tile " + std::to_string(static_cast<int>(tile));
}

TEST(Tiles, SizesMatchTheEngine) {
  for (int i = 0; i < kTileCount; ++i) {
    const Tile tile = static_cast<Tile>(i);
    EXPECT_EQ(tileImage(tile).width, tileSize(tile).width) << name(tile);
    EXPECT_EQ(tileImage(tile).height, tileSize(tile).height) << name(tile);
    EXPECT_EQ(tileImage(tile).pixels.size(),
              static_cast<std::size_t>(tileSize(tile).width * tileSize(tile).height * 3))
        << name(tile);
  }
}

TEST(Tiles, OnlyTheStairsAreTransparent) {
  for (int i = 0; i < kTileCount; ++i) {
    const Tile tile = static_cast<Tile>(i);
    const bool stairs = tile == Tile::StairsUp || tile == Tile::StairsDown;
    ASSERT_EQ(tileImage(tile).transparent.has_value(), stairs) << name(tile);
    if (stairs) {
      EXPECT_EQ(*tileImage(tile).transparent, kWhite) << name(tile);
    }
  }
}

TEST(Tiles, DoorsAreABlackRingAroundTheirFill) {
  const struct {
    Tile tile;
    Rgb fill;
  } cases[] = {
      {Tile::HDoor, colors::kRed},      {Tile::VDoor, colors::kRed},
      {Tile::HConDoor, colors::kGreen}, {Tile::VConDoor, colors::kGreen},
      {Tile::HSecDoor, colors::kBlue},  {Tile::VSecDoor, colors::kBlue},
  };
  for (const auto& c : cases) {
    const TileImage& image = tileImage(c.tile);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const bool ring = x == 0 || y == 0 || x == image.width - 1 || y == image.height - 1;
        EXPECT_EQ(image.pixel(x, y), ring ? kBlack : c.fill)
            << name(c.tile) << " at " << x << "," << y;
      }
    }
  }
}

TEST(Tiles, ArchesHaveBlackEndsAndWhiteBetween) {
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 14; ++x) {
      EXPECT_EQ(tileImage(Tile::HArch).pixel(x, y), x == 0 || x == 13 ? kBlack : kWhite);
      EXPECT_EQ(tileImage(Tile::VArch).pixel(y, x), x == 0 || x == 13 ? kBlack : kWhite);
    }
  }
}

TEST(Tiles, FillsAreRockWithTwoSpecksOrWhite) {
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool speck = (x == 3 && y == 1) || (x == 9 && y == 11);
      EXPECT_EQ(tileImage(Tile::Speckled).pixel(x, y), speck ? colors::kSpeck : kRock)
          << x << "," << y;
    }
  }
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) EXPECT_EQ(tileImage(Tile::SmallWhite).pixel(x, y), kWhite);
  }
}

// A closing tile is bands of one colour across it: rows for the up and down tiles, columns
// for the left and right ones.
TEST(Tiles, ClosingTilesAreBandsOfRockWallAndFloor) {
  struct Band {
    int count;
    Rgb color;
  };
  const struct {
    Tile tile;
    bool rows;
    std::vector<Band> bands;
  } cases[] = {
      {Tile::CloseUp, true, {{2, kRock}, {1, kBlack}, {4, kWhite}}},
      {Tile::CloseDown, true, {{1, kWhite}, {1, kBlack}, {8, kRock}}},
      {Tile::CloseLeft, false, {{2, kRock}, {1, kBlack}, {6, kWhite}}},
      {Tile::CloseRight, false, {{1, kWhite}, {1, kBlack}, {7, kRock}}},
      {Tile::CloseUp2, true, {{3, kRock}, {2, kBlack}, {2, kWhite}}},
      {Tile::CloseDown2, true, {{1, kWhite}, {2, kBlack}, {4, kRock}}},
      {Tile::CloseLeft2, false, {{4, kRock}, {2, kBlack}, {1, kWhite}}},
      {Tile::CloseRight2, false, {{1, kWhite}, {1, kBlack}, {6, kRock}}},
  };
  for (const auto& c : cases) {
    const TileImage& image = tileImage(c.tile);
    std::vector<Rgb> expected;
    for (const Band& band : c.bands) expected.insert(expected.end(), band.count, band.color);
    ASSERT_EQ(static_cast<int>(expected.size()), c.rows ? image.height : image.width)
        << name(c.tile);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        EXPECT_EQ(image.pixel(x, y), expected[static_cast<std::size_t>(c.rows ? y : x)])
            << name(c.tile) << " at " << x << "," << y;
      }
    }
  }
}

TEST(Tiles, StairsPicturesHoldTheirLetters) {
  const Rgb d{51, 51, 51}, m{102, 102, 102}, l{153, 153, 153}, b{153, 153, 204};
  const Rgb k{50, 45, 50}, f{70, 65, 70}, e{90, 85, 90}, c{115, 110, 115}, a{135, 130, 135};
  const Rgb p{139, 174, 215}, q{143, 160, 160}, r{113, 130, 130};
  const struct {
    Tile tile;
    int x, y;
    Rgb color;
  } cases[] = {
      {Tile::StairsUp, 0, 0, kWhite}, {Tile::StairsUp, 11, 0, d},     {Tile::StairsUp, 12, 0, b},
      {Tile::StairsUp, 13, 1, m},     {Tile::StairsUp, 12, 1, l},     {Tile::StairsUp, 0, 13, m},
      {Tile::StairsUp, 15, 15, d},    {Tile::StairsUp, 6, 3, kWhite}, {Tile::StairsDown, 0, 0, q},
      {Tile::StairsDown, 1, 0, r},    {Tile::StairsDown, 4, 0, p},    {Tile::StairsDown, 1, 1, k},
      {Tile::StairsDown, 2, 1, f},    {Tile::StairsDown, 4, 1, e},    {Tile::StairsDown, 2, 4, c},
      {Tile::StairsDown, 3, 4, a},    {Tile::StairsDown, 15, 15, r},  {Tile::StairsDown, 0, 15, p},
  };
  for (const auto& t : cases) {
    EXPECT_EQ(tileImage(t.tile).pixel(t.x, t.y), t.color)
        << name(t.tile) << " at " << t.x << "," << t.y;
  }
}

TEST(Tiles, StairsUpHasFortyTwoWhitePixelsAndStairsDownNone) {
  const auto whites = [](const TileImage& image) {
    int count = 0;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) count += image.pixel(x, y) == kWhite ? 1 : 0;
    }
    return count;
  };
  EXPECT_EQ(whites(tileImage(Tile::StairsUp)), 42);
  EXPECT_EQ(whites(tileImage(Tile::StairsDown)), 0);
}

TEST(Legend, SwatchesAreSolidInLegendOrder) {
  const struct {
    LegendItem item;
    const char* caption;
    Rgb color;
  } cases[] = {
      {LegendItem::Arch, "Arch", kWhite},
      {LegendItem::Door, "Door", colors::kRed},
      {LegendItem::ConcealedDoor, "Concealed Door", colors::kGreen},
      {LegendItem::SecretDoor, "Secret Door", colors::kBlue},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(legendCaption(c.item), c.caption);
    const TileImage& swatch = legendSwatch(c.item);
    ASSERT_EQ(swatch.width, 25) << c.caption;
    ASSERT_EQ(swatch.height, 10) << c.caption;
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 25; ++x) EXPECT_EQ(swatch.pixel(x, y), c.color) << c.caption;
    }
  }
}

TEST(DigitFont, DigitsHaveInkOtherCharactersNone) {
  const TileSize cell = fontCellSize();
  EXPECT_EQ(cell.width, 6);
  EXPECT_EQ(cell.height, 13);
  for (const char c : std::string("0123456789 Ax-")) {
    int ink = 0;
    for (int y = 0; y < cell.height; ++y) {
      for (int x = 0; x < cell.width; ++x) {
        ink += fontInk(c, x, y) ? 1 : 0;
        // The spacing column and the lines above and below the digits stay clear.
        if (x == cell.width - 1 || y < 3 || y > 10) {
          EXPECT_FALSE(fontInk(c, x, y)) << c;
        }
      }
    }
    EXPECT_EQ(ink > 0, c >= '0' && c <= '9') << c;
  }
}

}  // namespace
}  // namespace delvora
