#include "print/tiled_printer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>

#include "tests/print/print_test_support.h"
#include "tests/print/recording_device.h"

namespace delvora {
namespace {

using testing::numberedDib;
using testing::RecordingDevice;

struct Job {
  Dib dib = numberedDib(40, 20);
  TiledPrinterSettings settings;
  DeviceRect dest{0, 0, 250, 120};
  DeviceRect source{0, 0, 40, 20};
  ClipRect clip{0, 0, 250, 120};
  std::vector<std::pair<std::uint32_t, std::uint32_t>> progress;
  std::function<bool(std::uint32_t)> goOn = [](std::uint32_t) { return true; };

  PrintResult run(RecordingDevice& device) {
    return printDibTiled(device, settings, dest, source, dib.header, dib.pixels, clip,
                         [this](std::uint32_t done, std::uint32_t total) {
                           progress.emplace_back(done, total);
                           return goOn(done);
                         });
  }
};

TEST(TiledPrinter, CutsTilesRowByRowAndReportsEachTwice) {
  for (const TileMode mode : {TileMode::SoftwareScaling, TileMode::ExactFit}) {
    RecordingDevice device;  // 100 x 50 screen
    Job job;
    job.settings.tileMode = mode;
    ASSERT_EQ(job.run(device), PrintResult::Printed);
    // 250 x 120 in 100 x 50 tiles: 3 across, 3 down, the last ones cut short.
    const DeviceRect expected[] = {{0, 0, 100, 50},   {100, 0, 100, 50},   {200, 0, 50, 50},
                                   {0, 50, 100, 50},  {100, 50, 100, 50},  {200, 50, 50, 50},
                                   {0, 100, 100, 20}, {100, 100, 100, 20}, {200, 100, 50, 20}};
    ASSERT_EQ(device.calls.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
      EXPECT_EQ(device.calls[i].clip, expected[i]) << "tile " << i + 1;
      EXPECT_EQ(device.calls[i].path, RecordingDevice::Path::Stretch);
    }
    EXPECT_EQ(device.flushes, 9);
    // While a tile's rows are filled (row 0 only, the tiles being short), then after it.
    ASSERT_EQ(job.progress.size(), 18u);
    for (std::uint32_t n = 1; n <= 9; ++n) {
      EXPECT_EQ(job.progress[2 * n - 2], std::make_pair(n - 1, 9u));
      EXPECT_EQ(job.progress[2 * n - 1], std::make_pair(n, 9u));
    }
  }
}

TEST(TiledPrinter, SoftwareScalingTakesTheNearestSourcePixel) {
  RecordingDevice device;
  Job job;
  ASSERT_EQ(job.run(device), PrintResult::Printed);
  const RecordingDevice::Call& tile = device.calls[4];  // (100, 50) 100 x 50
  ASSERT_EQ(tile.width(), 100);
  ASSERT_EQ(tile.height(), 50);
  EXPECT_EQ(tile.dest, tile.clip);
  for (int y = 0; y < 50; y += 7) {
    for (int x = 0; x < 100; x += 9) {
      const int sx = static_cast<int>((100 + x + 0.5) * 40 / 250);
      const int sy = static_cast<int>((50 + y + 0.5) * 20 / 120);
      EXPECT_EQ(tile.index(x, y), (sx + 7 * sy) % 256) << x << "," << y;
    }
  }
}

TEST(TiledPrinter, ExactFitTilesCarryTheSourcePixelsTheyCover) {
  RecordingDevice device;
  device.screenW = 64;
  Job job;
  job.dib = numberedDib(37, 20);
  job.source = {0, 0, 37, 20};
  job.dest = {5, 0, 1000, 120};
  job.clip = {0, 0, 2000, 120};
  job.settings.tileMode = TileMode::ExactFit;
  ASSERT_EQ(job.run(device), PrintResult::Printed);
  const double scale = 1000.0 / 37;
  int nextColumn = 0;
  for (const auto& tile : device.calls) {
    if (tile.clip.y != 0) break;
    const int first = tile.index(0, 0);  // row 0: the index is the column
    const int last = first + tile.width() - 1;
    // Every column is drawn; a column shared by two tiles lands on the same device pixels.
    EXPECT_LE(first, nextColumn) << "tile at " << tile.clip.x;
    nextColumn = last + 1;
    EXPECT_EQ(tile.dest.x, 5 + std::lround(first * scale)) << "tile at " << tile.clip.x;
    EXPECT_EQ(tile.dest.x + tile.dest.width, 5 + std::lround((last + 1) * scale));
    EXPECT_LE(tile.dest.x, tile.clip.x);
    EXPECT_GE(tile.dest.x + tile.dest.width, tile.clip.x + tile.clip.width);
  }
  EXPECT_EQ(nextColumn, 37);
}

TEST(TiledPrinter, CallbackStoppingAtTheFirstTileDrawsNothing) {
  RecordingDevice device;
  Job job;
  job.goOn = [](std::uint32_t) { return false; };
  EXPECT_EQ(job.run(device), PrintResult::Stopped);
  EXPECT_TRUE(device.calls.empty());
  EXPECT_EQ(device.flushes, 0);
  EXPECT_EQ(job.progress.size(), 1u);
}

TEST(TiledPrinter, CallbackStoppingAfterATileEndsThere) {
  RecordingDevice device;
  Job job;
  job.goOn = [](std::uint32_t done) { return done < 2; };
  EXPECT_EQ(job.run(device), PrintResult::Stopped);
  EXPECT_EQ(device.calls.size(), 2u);
}

TEST(TiledPrinter, DestinationOutsideTheClipPrintsNothing) {
  RecordingDevice device;
  Job job;
  job.dest = {-300, 0, 250, 120};
  EXPECT_EQ(job.run(device), PrintResult::NothingToPrint);
  EXPECT_TRUE(device.calls.empty());
  EXPECT_TRUE(job.progress.empty());
}

TEST(TiledPrinter, ClipLimitsTheArea) {
  RecordingDevice device;
  Job job;
  job.clip = {20, 10, 90, 40};
  ASSERT_EQ(job.run(device), PrintResult::Printed);
  ASSERT_EQ(device.calls.size(), 1u);
  EXPECT_EQ(device.calls[0].clip, (DeviceRect{20, 10, 70, 30}));
}

TEST(TiledPrinter, BadParametersAndDamagedBlocks) {
  const struct {
    const char* name;
    std::function<void(Job&)> change;
    PrintResult expected;
  } cases[] = {
      {"source past the width",
       [](Job& j) {
         j.source = {1, 0, 40, 20};
       },
       PrintResult::BadParameter},
      {"source past the height",
       [](Job& j) {
         j.source = {0, 0, 40, 21};
       },
       PrintResult::BadParameter},
      {"negative source x", [](Job& j) { j.source.x = -1; }, PrintResult::BadParameter},
      {"source width 0", [](Job& j) { j.source.width = 0; }, PrintResult::BadParameter},
      {"destination height 0", [](Job& j) { j.dest.height = 0; }, PrintResult::BadParameter},
      {"no pixels", [](Job& j) { j.dib.pixels.clear(); }, PrintResult::BadParameter},
      {"header size 41", [](Job& j) { writeU32(j.dib.header, 0, 41); }, PrintResult::BadParameter},
      {"two planes", [](Job& j) { writeU16(j.dib.header, 12, 2); }, PrintResult::BadParameter},
      {"7 bits a pixel", [](Job& j) { writeU16(j.dib.header, 14, 7); }, PrintResult::BadParameter},
      {"compression 4", [](Job& j) { writeU32(j.dib.header, 16, 4); }, PrintResult::BadParameter},
      {"run-length without size",
       [](Job& j) {
         writeU32(j.dib.header, 16, 1);
         writeU32(j.dib.header, 20, 0);
       },
       PrintResult::BadParameter},
      {"width 0", [](Job& j) { writeU32(j.dib.header, 4, 0); }, PrintResult::BadParameter},
      {"header cut short", [](Job& j) { j.dib.header.resize(30); }, PrintResult::ReadFailed},
      {"colour table cut short", [](Job& j) { j.dib.header.resize(40 + 4 * 100); },
       PrintResult::ReadFailed},
      {"pixel rows cut short", [](Job& j) { j.dib.pixels.resize(40); }, PrintResult::ReadFailed},
      {"broken run-length data",
       [](Job& j) {
         writeU32(j.dib.header, 16, 1);
         j.dib.pixels = {0, 9, 1};
         writeU32(j.dib.header, 20, 3);
       },
       PrintResult::ReadFailed},
  };
  for (const auto& c : cases) {
    RecordingDevice device;
    Job job;
    c.change(job);
    EXPECT_EQ(job.run(device), c.expected) << c.name;
    EXPECT_TRUE(device.calls.empty()) << c.name;
  }
}

TEST(TiledPrinter, FailedStretchFallsBackToBitmapCopyForTheRest) {
  RecordingDevice device;
  device.failStretch = true;
  Job job;
  ASSERT_EQ(job.run(device), PrintResult::Printed);
  EXPECT_EQ(device.stretchAttempts, 1);
  ASSERT_EQ(device.calls.size(), 9u);
  for (const auto& call : device.calls) EXPECT_EQ(call.path, RecordingDevice::Path::Copy);
}

TEST(TiledPrinter, TileThatCannotBeDrawnStops) {
  RecordingDevice noFallback;
  noFallback.failStretch = true;
  Job job;
  job.settings.fallbackOnFailure = false;
  EXPECT_EQ(job.run(noFallback), PrintResult::Stopped);

  RecordingDevice bothFail;
  bothFail.failStretch = true;
  bothFail.failCopy = true;
  Job second;
  EXPECT_EQ(second.run(bothFail), PrintResult::Stopped);
  EXPECT_EQ(second.progress.size(), 1u);
}

TEST(TiledPrinter, SmallBitmapDevicesGetTilesOf64KB) {
  RecordingDevice device;
  device.large = false;
  device.screenW = 1000;
  device.screenH = 800;
  Job job;
  job.dest = {0, 0, 1000, 200};
  job.clip = {0, 0, 1000, 200};
  ASSERT_EQ(job.run(device), PrintResult::Printed);
  // 65503 div 1000 bytes a row: 65 rows a tile.
  ASSERT_EQ(device.calls.size(), 4u);
  EXPECT_EQ(device.calls[0].clip.height, 65);
  EXPECT_EQ(device.calls[3].clip, (DeviceRect{0, 195, 1000, 5}));
}

TEST(TiledPrinter, ExpandsRunLengthDataWithWhiteForSkippedPixels) {
  Job job;
  job.dib = numberedDib(8, 4);
  writeU32(job.dib.header, 8, 2);
  // Grey palette: entry 255 is the first pure white. One run of 3 x 5, then end of bitmap.
  job.dib.pixels = {3, 5, 0, 1};
  writeU32(job.dib.header, 16, 1);
  writeU32(job.dib.header, 20, 4);
  job.source = {0, 0, 8, 2};
  job.dest = {0, 0, 8, 2};
  job.clip = {0, 0, 8, 2};
  RecordingDevice device;
  ASSERT_EQ(job.run(device), PrintResult::Printed);
  ASSERT_EQ(device.calls.size(), 1u);
  const auto& tile = device.calls[0];
  EXPECT_EQ(readU32(tile.header, 16), 0u) << "the tile is uncompressed";
  EXPECT_EQ(tile.index(0, 1), 5);  // the bottom row holds the run
  EXPECT_EQ(tile.index(3, 1), 255);
  EXPECT_EQ(tile.index(0, 0), 255);
}

TEST(TiledPrinter, ConvertsCoreHeaderToInformationHeader) {
  Job job;
  std::vector<std::uint8_t> core(12 + 3 * 256, 0);
  writeU32(core, 0, 12);
  writeU16(core, 4, 40);
  writeU16(core, 6, 20);
  writeU16(core, 8, 1);
  writeU16(core, 10, 8);
  core[12 + 3 * 9 + 2] = 200;  // entry 9: red 200
  job.dib.header = core;
  RecordingDevice device;
  ASSERT_EQ(job.run(device), PrintResult::Printed);
  const auto& header = device.calls[0].header;
  EXPECT_EQ(readU32(header, 0), 40u);
  EXPECT_EQ(header[40 + 4 * 9 + 2], 200);
}

}  // namespace
}  // namespace delvora
