#include "render/raster_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "render/tiles.h"

namespace delvora {
namespace {

// One character a pixel: '.' white, '#' black, 'r' red, 'o' rock, 's' silver, '?' other.
std::string dump(const Bitmap& bitmap) {
  std::string out;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const Rgb p = bitmap.pixel(x, y);
      out += p == colors::kWhite    ? '.'
             : p == colors::kBlack  ? '#'
             : p == colors::kRed    ? 'r'
             : p == colors::kRock   ? 'o'
             : p == colors::kSilver ? 's'
                                    : '?';
    }
    out += '\n';
  }
  return out;
}

int countColor(const Bitmap& bitmap, Rgb color) {
  int count = 0;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) count += bitmap.pixel(x, y) == color ? 1 : 0;
  }
  return count;
}

RasterCanvas canvasOf(int width, int height) {
  RasterCanvas canvas;
  canvas.reset(width, height);
  return canvas;
}

TEST(RasterCanvas, RectangleLeavesOutRightColumnAndBottomRow) {
  RasterCanvas canvas = canvasOf(8, 6);
  canvas.setBrushColor(colors::kRed);
  canvas.rectangle(1, 1, 6, 5);
  EXPECT_EQ(dump(canvas.bitmap()),
            "........\n"
            ".#####..\n"
            ".#rrr#..\n"
            ".#rrr#..\n"
            ".#####..\n"
            "........\n");
}

TEST(RasterCanvas, RectangleDegenerateCases) {
  const struct {
    int left, top, right, bottom;
    int painted;
  } cases[] = {
      {2, 2, 2, 5, 0},   {2, 2, 5, 2, 0}, {5, 2, 2, 5, 0},  // empty
      {2, 2, 3, 5, 3},   {2, 2, 5, 3, 3},                   // one column, one row
      {-4, -4, 3, 3, 5},                                    // clipped at the corner
  };
  for (const auto& c : cases) {
    RasterCanvas canvas = canvasOf(8, 8);
    canvas.rectangle(c.left, c.top, c.right, c.bottom);
    EXPECT_EQ(countColor(canvas.bitmap(), colors::kBlack), c.painted)
        << c.left << "," << c.top << "," << c.right << "," << c.bottom;
  }
}

TEST(RasterCanvas, ClearBrushLeavesTheInside) {
  RasterCanvas canvas = canvasOf(5, 5);
  canvas.setBrushColor(colors::kRed);
  canvas.rectangle(0, 0, 5, 5);
  canvas.setBrushStyle(BrushStyle::Clear);
  canvas.setPenColor(colors::kSilver);
  canvas.rectangle(0, 0, 5, 5);
  EXPECT_EQ(dump(canvas.bitmap()), "sssss\nsrrrs\nsrrrs\nsrrrs\nsssss\n");
}

TEST(RasterCanvas, MaskModeKeepsTheSharedBits) {
  const struct {
    Rgb before;
    Rgb after;
  } cases[] = {
      {colors::kWhite, colors::kSilver},
      {colors::kBlack, colors::kBlack},
      {colors::kRock, {192, 192, 128}},
      {colors::kBlue, {0, 0, 192}},
  };
  for (const auto& c : cases) {
    for (const int passes : {1, 2}) {
      RasterCanvas canvas = canvasOf(4, 4);
      canvas.setPenColor(c.before);
      canvas.setBrushColor(c.before);
      canvas.rectangle(0, 0, 4, 4);
      canvas.setPenColor(colors::kSilver);
      canvas.setPenMode(PenMode::Mask);
      for (int i = 0; i < passes; ++i) {
        canvas.moveTo(1, 0);
        canvas.lineTo(1, 4);
      }
      EXPECT_EQ(canvas.bitmap().pixel(1, 2), c.after) << "passes " << passes;
      EXPECT_EQ(canvas.bitmap().pixel(2, 2), c.before);
    }
  }
}

TEST(RasterCanvas, MaskModeAppliesToTheBrushFill) {
  RasterCanvas canvas = canvasOf(4, 4);
  canvas.setPenMode(PenMode::Mask);
  canvas.setPenColor(colors::kRed);
  canvas.setBrushColor(colors::kSilver);
  canvas.rectangle(0, 0, 4, 4);
  EXPECT_EQ(canvas.bitmap().pixel(0, 0), colors::kRed);
  EXPECT_EQ(canvas.bitmap().pixel(1, 1), colors::kSilver);
  canvas.setBrushColor(colors::kBlue);
  canvas.rectangle(0, 0, 4, 4);
  EXPECT_EQ(canvas.bitmap().pixel(1, 1), (Rgb{0, 0, 192}));
}

TEST(RasterCanvas, ThinLinesLeaveOutTheEndPoint) {
  const struct {
    int x0, y0, x1, y1;
  } cases[] = {
      {1, 4, 8, 4}, {8, 4, 1, 4}, {4, 1, 4, 8}, {4, 8, 4, 1},
      {1, 1, 8, 8}, {8, 1, 1, 8}, {1, 2, 8, 5}, {2, 8, 5, 1},
  };
  for (const auto& c : cases) {
    RasterCanvas canvas = canvasOf(10, 10);
    canvas.moveTo(c.x0, c.y0);
    canvas.lineTo(c.x1, c.y1);
    const Bitmap& b = canvas.bitmap();
    const std::string where = std::to_string(c.x0) + "," + std::to_string(c.y0) + " to " +
                              std::to_string(c.x1) + "," + std::to_string(c.y1);
    EXPECT_EQ(b.pixel(c.x0, c.y0), colors::kBlack) << where;
    EXPECT_EQ(b.pixel(c.x1, c.y1), colors::kWhite) << where;
    EXPECT_EQ(countColor(b, colors::kBlack), std::max(std::abs(c.x1 - c.x0), std::abs(c.y1 - c.y0)))
        << where;
  }
}

TEST(RasterCanvas, LinesAreClippedAtTheEdges) {
  const struct {
    int x0, y0, x1, y1, width;
    int painted;
  } cases[] = {
      {-5, 3, 20, 3, 1, 10}, {3, -5, 3, 20, 1, 10}, {-3, -3, 12, 12, 1, 10},
      {-9, 3, -1, 3, 1, 0},  {12, 0, 30, 9, 1, 0},  {-4, 5, 14, 5, 3, 30},
  };
  for (const auto& c : cases) {
    RasterCanvas canvas = canvasOf(10, 10);
    canvas.setPenWidth(c.width);
    canvas.moveTo(c.x0, c.y0);
    canvas.lineTo(c.x1, c.y1);
    EXPECT_EQ(countColor(canvas.bitmap(), colors::kBlack), c.painted)
        << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1 << " width " << c.width;
  }
}

TEST(RasterCanvas, GridLinesCoverTheWholeMapEdgeToEdge) {
  RasterCanvas canvas = canvasOf(32, 32);
  canvas.setPenColor(colors::kSilver);
  for (int x = 0; x < 32; x += 16) {
    canvas.moveTo(x, 0);
    canvas.lineTo(x, 32);
  }
  for (int y = 0; y < 32; y += 16) {
    canvas.moveTo(0, y);
    canvas.lineTo(32, y);
  }
  EXPECT_EQ(countColor(canvas.bitmap(), colors::kSilver), 2 * 32 + 2 * 32 - 4);
  for (int i = 0; i < 32; ++i) {
    EXPECT_EQ(canvas.bitmap().pixel(16, i), colors::kSilver) << i;
    EXPECT_EQ(canvas.bitmap().pixel(i, 16), colors::kSilver) << i;
    EXPECT_EQ(canvas.bitmap().pixel(15, i), i % 16 == 0 ? colors::kSilver : colors::kWhite) << i;
  }
}

// A picture with every colour the map uses, to draw the faster paths over.
void paintSample(RasterCanvas& canvas, int width, int height) {
  canvas.resetTiled(width, height, Tile::Speckled);
  canvas.setBrushColor(colors::kWhite);
  canvas.rectangle(3, 5, width - 7, height / 2);
  canvas.drawTile(Tile::HSecDoor, 10, 2);
  canvas.setPenColor(colors::kBlue);
  canvas.setPenWidth(5);
  canvas.moveTo(-4, height - 3);
  canvas.lineTo(width + 4, 6);
  canvas.setPenWidth(1);
}

// The row-by-row grid paints what the lines paint one by one, in either pen mode, over a map
// whose size is no multiple of the step or is smaller than the lines, and leaves the pen where the
// last line ended.
TEST(RasterCanvas, GridLinesPaintWhatTheLinesOneByOneDo) {
  const struct {
    int width, height, gridWidth, gridHeight, step;
    PenMode mode;
  } cases[] = {{80, 48, 80, 48, 16, PenMode::Mask}, {83, 50, 83, 50, 16, PenMode::Mask},
               {83, 50, 83, 50, 16, PenMode::Copy}, {64, 40, 100, 30, 16, PenMode::Mask},
               {64, 40, 20, 100, 7, PenMode::Copy}, {5, 5, 5, 5, 16, PenMode::Mask}};
  for (const auto& c : cases) {
    RasterCanvas fast;
    RasterCanvas slow;
    for (RasterCanvas* canvas : {&fast, &slow}) {
      paintSample(*canvas, c.width, c.height);
      canvas->setPenColor(colors::kSilver);
      canvas->setPenMode(c.mode);
    }
    fast.gridLines(c.gridWidth, c.gridHeight, c.step);
    slow.Canvas::gridLines(c.gridWidth, c.gridHeight, c.step);
    EXPECT_EQ(fast.bitmap(), slow.bitmap()) << c.width << "x" << c.height << " step " << c.step;
    for (RasterCanvas* canvas : {&fast, &slow}) {
      canvas->setPenColor(colors::kRed);
      canvas->setPenMode(PenMode::Copy);
      canvas->lineTo(0, 0);
    }
    EXPECT_EQ(fast.bitmap(), slow.bitmap()) << "pen position after " << c.width << "x" << c.height;
  }
}

// Covering the map with a tile in one pass gives what white and the tile drawn at every multiple
// of its size give, for sizes that cut the last tiles and for tiles of every width.
TEST(RasterCanvas, TiledResetEqualsTheTilesDrawnOneByOne) {
  for (const Tile tile : {Tile::Speckled, Tile::SmallWhite, Tile::CloseRight2, Tile::StairsUp}) {
    for (const auto& [width, height] : {std::pair{96, 64}, {83, 37}, {5, 3}, {0, 0}}) {
      RasterCanvas fast;
      RasterCanvas slow;
      fast.reset(7, 7);
      fast.resetTiled(width, height, tile);
      slow.Canvas::resetTiled(width, height, tile);
      EXPECT_EQ(fast.bitmap(), slow.bitmap()) << static_cast<int>(tile) << " " << width;
    }
  }
}

// Pictures of a megabyte and more live on whole huge pages; growing, shrinking and copying
// them keeps every pixel.
TEST(Bitmap, BigPicturesKeepTheirPixelsThroughReshapesAndCopies) {
  Bitmap bitmap(800, 600, colors::kRock);
  bitmap.setPixel(799, 599, colors::kRed);
  const Bitmap copy = bitmap;
  EXPECT_EQ(copy, bitmap);
  bitmap.reshape(1280, 1024);
  EXPECT_EQ(bitmap.row(0)[0], colors::kRock.r) << "the bytes kept are the old first bytes";
  bitmap.reshape(10, 10);
  bitmap.reshape(1600, 1200);
  bitmap.setPixel(1599, 1199, colors::kBlue);
  EXPECT_EQ(bitmap.pixel(1599, 1199), colors::kBlue);
  Bitmap moved = std::move(bitmap);
  EXPECT_EQ(moved.pixel(1599, 1199), colors::kBlue);
  EXPECT_EQ(copy.pixel(799, 599), colors::kRed);
  moved = copy;
  EXPECT_EQ(moved, copy);
}

TEST(RasterCanvas, LinesContinueFromTheLastEndPoint) {
  RasterCanvas canvas = canvasOf(6, 6);
  canvas.moveTo(1, 1);
  canvas.lineTo(4, 1);
  canvas.lineTo(4, 4);
  canvas.lineTo(1, 4);
  canvas.lineTo(1, 1);
  EXPECT_EQ(dump(canvas.bitmap()), "......\n.####.\n.#..#.\n.#..#.\n.####.\n......\n");
}

TEST(RasterCanvas, WideStrokeIsSolidCentredAndRoundEnded) {
  RasterCanvas canvas = canvasOf(40, 40);
  canvas.setPenWidth(8);
  canvas.moveTo(10, 20);
  canvas.lineTo(30, 20);
  EXPECT_EQ(canvas.penWidth(), 8);
  const Bitmap& b = canvas.bitmap();
  for (int x = 10; x <= 30; ++x) {
    for (int y = 0; y < 40; ++y) {
      EXPECT_EQ(b.pixel(x, y), y >= 16 && y < 24 ? colors::kBlack : colors::kWhite)
          << x << "," << y;
    }
  }
  // Round ends: the cap reaches 4 pixels out at the centre line but not at the corners.
  EXPECT_EQ(b.pixel(6, 19), colors::kBlack);
  EXPECT_EQ(b.pixel(33, 20), colors::kBlack);
  EXPECT_EQ(b.pixel(5, 19), colors::kWhite);
  EXPECT_EQ(b.pixel(6, 16), colors::kWhite);
  EXPECT_EQ(b.pixel(33, 23), colors::kWhite);
}

TEST(RasterCanvas, OddWideStrokeIsSymmetricAboutItsSegment) {
  RasterCanvas canvas = canvasOf(40, 40);
  canvas.setPenWidth(5);
  canvas.moveTo(8, 10);
  canvas.lineTo(28, 30);
  const Bitmap& b = canvas.bitmap();
  // Point reflection through the segment's midpoint (18, 20), wherever both pixels exist.
  for (int y = 1; y < 40; ++y) {
    for (int x = 0; x <= 36; ++x) {
      EXPECT_EQ(b.pixel(x, y), b.pixel(36 - x, 40 - y)) << x << "," << y;
    }
  }
  // Across a diagonal the stroke is 5 * sqrt(2) pixels wide.
  for (int dx = -3; dx <= 3; ++dx) EXPECT_EQ(b.pixel(18 + dx, 20), colors::kBlack) << dx;
  EXPECT_EQ(b.pixel(22, 20), colors::kWhite);
  EXPECT_EQ(b.pixel(14, 20), colors::kWhite);
}

TEST(RasterCanvas, WideStrokesInMaskModeTouchEachPixelOnce) {
  RasterCanvas canvas = canvasOf(40, 40);
  canvas.setPenColor(colors::kRock);
  canvas.setBrushColor(colors::kRock);
  canvas.rectangle(0, 0, 40, 40);
  canvas.setPenMode(PenMode::Mask);
  canvas.setPenColor(colors::kBlue);
  canvas.setPenWidth(7);
  canvas.moveTo(0, 5);
  for (const int x : {8, 16, 24, 32, 40}) canvas.lineTo(x, 5 + x / 4);
  const Bitmap once = canvas.bitmap();
  canvas.moveTo(0, 5);
  for (const int x : {8, 16, 24, 32, 40}) canvas.lineTo(x, 5 + x / 4);
  EXPECT_EQ(canvas.bitmap(), once);
  EXPECT_EQ(once.pixel(16, 9), (Rgb{0, 0, 153}));
  EXPECT_EQ(once.pixel(16, 30), colors::kRock);
}

TEST(RasterCanvas, RoundRectIsSymmetricClosedAndCutAtTheCorners) {
  RasterCanvas canvas = canvasOf(100, 70);
  canvas.setBrushColor(colors::kRed);
  canvas.roundRect(2, 3, 98, 67, 48, 32);
  const Bitmap& b = canvas.bitmap();
  for (int y = 0; y < 70; ++y) {
    for (int x = 0; x < 100; ++x) {
      EXPECT_EQ(b.pixel(x, y), b.pixel(99 - x, y)) << x << "," << y;
      EXPECT_EQ(b.pixel(x, y), b.pixel(x, 69 - y)) << x << "," << y;
      // No red pixel touches the white outside: the outline is closed.
      if (b.pixel(x, y) != colors::kRed) continue;
      for (const auto& [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
        EXPECT_NE(b.pixel(nx, ny), colors::kWhite) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(b.pixel(2, 3), colors::kWhite);
  EXPECT_EQ(b.pixel(50, 3), colors::kBlack);
  EXPECT_EQ(b.pixel(2, 35), colors::kBlack);
  EXPECT_EQ(b.pixel(97, 35), colors::kBlack);
  EXPECT_EQ(b.pixel(50, 66), colors::kBlack);
  EXPECT_EQ(b.pixel(50, 67), colors::kWhite);
  EXPECT_EQ(b.pixel(50, 35), colors::kRed);
}

TEST(RasterCanvas, StairsUpLeavesWhiteOutStairsDownCoversItsSquare) {
  for (const Tile tile : {Tile::StairsUp, Tile::StairsDown}) {
    RasterCanvas canvas = canvasOf(20, 20);
    canvas.setBrushColor(colors::kRed);
    canvas.setPenColor(colors::kRed);
    canvas.rectangle(0, 0, 20, 20);
    canvas.drawTile(tile, 2, 3);
    const TileImage& image = tileImage(tile);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const Rgb source = image.pixel(x, y);
        EXPECT_EQ(canvas.bitmap().pixel(x + 2, y + 3),
                  source == colors::kWhite ? colors::kRed : source)
            << static_cast<int>(tile) << " at " << x << "," << y;
      }
    }
  }
}

TEST(RasterCanvas, TilesAreOpaqueAndClippedAtEveryEdge) {
  const struct { int x, y; } cases[] = {{-3, -2}, {10, -5}, {-6, 12}, {12, 14}, {-16, 0}, {20, 20}};
  for (const auto& c : cases) {
    RasterCanvas canvas = canvasOf(20, 18);
    canvas.drawTile(Tile::Speckled, c.x, c.y);
    for (int y = 0; y < 18; ++y) {
      for (int x = 0; x < 20; ++x) {
        const bool covered = x >= c.x && x < c.x + 16 && y >= c.y && y < c.y + 16;
        const Rgb expected =
            covered ? tileImage(Tile::Speckled).pixel(x - c.x, y - c.y) : colors::kWhite;
        ASSERT_EQ(canvas.bitmap().pixel(x, y), expected)
            << "tile at " << c.x << "," << c.y << ", pixel " << x << "," << y;
      }
    }
  }
}

TEST(RasterCanvas, TextStandsInTheFontColourOnABrushBox) {
  RasterCanvas canvas = canvasOf(20, 16);
  canvas.setPenColor(colors::kRock);
  canvas.setBrushColor(colors::kRock);
  canvas.rectangle(0, 0, 20, 16);
  canvas.setBrushColor(colors::kWhite);
  canvas.setFontColor(colors::kRed);
  canvas.textOut(3, 2, "12");
  const Bitmap& b = canvas.bitmap();
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool box = x >= 3 && x < 15 && y >= 2 && y < 15;
      EXPECT_EQ(b.pixel(x, y) == colors::kRock, !box) << x << "," << y;
    }
  }
  EXPECT_GT(countColor(b, colors::kRed), 10);
  EXPECT_EQ(countColor(b, colors::kRed) + countColor(b, colors::kWhite), 12 * 13);

  const int ink = countColor(b, colors::kRed);
  canvas.setBrushStyle(BrushStyle::Clear);
  canvas.setFontColor(colors::kBlack);
  canvas.textOut(3, 2, "12");
  EXPECT_EQ(countColor(b, colors::kBlack), ink);
  EXPECT_EQ(countColor(b, colors::kWhite), 12 * 13 - ink);
}

TEST(RasterCanvas, TextIsClippedAndBlankForOtherCharacters) {
  RasterCanvas canvas = canvasOf(10, 10);
  canvas.setFontColor(colors::kRed);
  canvas.setBrushColor(colors::kSilver);
  canvas.textOut(-3, -4, "A");
  EXPECT_EQ(countColor(canvas.bitmap(), colors::kSilver), 3 * 9);
  canvas.textOut(7, 5, "88888888");
  EXPECT_EQ(canvas.bitmap().pixel(7, 9), colors::kRed);  // the left side of the 8
  EXPECT_EQ(canvas.bitmap().pixel(9, 9), colors::kSilver);
}

TEST(RasterCanvas, ResetGivesAWhiteSurfaceAndKeepsTheDrawingState) {
  RasterCanvas canvas = canvasOf(4, 4);
  canvas.setPenColor(colors::kRed);
  canvas.setPenWidth(3);
  canvas.setPenMode(PenMode::Mask);
  canvas.rectangle(0, 0, 4, 4);
  canvas.reset(6, 5);
  EXPECT_EQ(canvas.bitmap(), Bitmap(6, 5));
  EXPECT_EQ(canvas.penWidth(), 3);
  canvas.setPenWidth(1);
  canvas.moveTo(0, 0);
  canvas.lineTo(3, 0);
  EXPECT_EQ(canvas.bitmap().pixel(0, 0), colors::kRed);  // mask of white with red
}

}  // namespace
}  // namespace delvora
