// A printer that fails in the middle of a 25 mm job: every result code of the tiled printer,
// reached through a device that gives up at a chosen tile, and the message the job shows for it.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "print/print_layout.h"
#include "print/tiled_printer.h"
#include "tests/print/print_test_support.h"

namespace delvora {
namespace {

enum class Failure { None, StretchOnly, Both, OutOfMemory };

// A 100 x 50 screen device that fails from tile failAt (counted from 1) on, in the way given;
// 0 never fails.
class FailingDevice final : public PrintDevice {
 public:
  FailingDevice(Failure failure, int failAt) : m_failure(failure), m_failAt(failAt) {}

  int stretchDib(const DeviceRect&, const DeviceRect& clip, const DibView& dib) override {
    startTile(clip);
    if (failing() && m_failure == Failure::OutOfMemory) throw std::bad_alloc();
    if (failing() && m_failure != Failure::None) return 0;
    ++stretched;
    return static_cast<int>(readU32(dib.header, 8));
  }
  bool copyDeviceBitmap(const DeviceRect&, const DeviceRect& clip, const DibView&) override {
    startTile(clip);
    if (failing() && m_failure == Failure::Both) return false;
    ++copied;
    return true;
  }
  void flush() override { ++flushes; }
  bool largeBitmaps() const override { return true; }
  int screenWidth() const override { return 100; }
  int screenHeight() const override { return 50; }

  int stretched = 0;
  int copied = 0;
  int flushes = 0;
  // Tiles the printer tried to draw; a fallback copy of a tile is no new tile.
  int tiles = 0;

 private:
  void startTile(const DeviceRect& clip) {
    if (tiles > 0 && clip == m_lastClip) return;
    ++tiles;
    m_lastClip = clip;
  }
  bool failing() const { return m_failAt > 0 && tiles >= m_failAt; }

  DeviceRect m_lastClip;
  Failure m_failure;
  int m_failAt;
};

struct Case {
  const char* what;
  Failure failure;
  bool fallback;
  PrintResult result;
  // Tiles drawn before the job ended.
  int drawn;
};

TEST(FailingPrinter, DeviceFailingMidJobEndsWithItsResult) {
  // 250 x 120 in 100 x 50 tiles: nine tiles; the device fails from the fifth on.
  const Case cases[] = {
      {"healthy device", Failure::None, true, PrintResult::Printed, 9},
      {"stretch fails, bitmap copy works", Failure::StretchOnly, true, PrintResult::Printed, 9},
      {"stretch fails without fallback", Failure::StretchOnly, false, PrintResult::Stopped, 4},
      {"stretch and copy fail", Failure::Both, true, PrintResult::Stopped, 4},
      {"device out of memory", Failure::OutOfMemory, true, PrintResult::AllocationFailed, 4},
  };
  const Dib dib = testing::numberedDib(40, 20);
  for (const Case& c : cases) {
    for (const TileMode mode : {TileMode::SoftwareScaling, TileMode::ExactFit}) {
      SCOPED_TRACE(c.what);
      FailingDevice device(c.failure, 5);
      TiledPrinterSettings settings;
      settings.tileMode = mode;
      settings.fallbackOnFailure = c.fallback;
      int reports = 0;
      const PrintResult result = printDibTiled(
          device, settings, {0, 0, 250, 120}, {0, 0, 40, 20}, dib.header, dib.pixels,
          {0, 0, 250, 120}, [&](std::uint32_t, std::uint32_t) { return ++reports > 0; });
      EXPECT_EQ(result, c.result);
      EXPECT_EQ(device.stretched + device.copied, c.drawn);
      EXPECT_EQ(device.flushes, c.drawn) << "every drawn tile is flushed, no other";
    }
  }
}

TEST(FailingPrinter, EveryResultCodeHasItsMessage) {
  const Dib dib = testing::numberedDib(40, 20);
  const auto run = [&](const DeviceRect& dest, std::span<const std::uint8_t> pixels,
                       const ClipRect& clip, const TileProgress& progress) {
    FailingDevice device(Failure::None, 0);
    return printDibTiled(device, TiledPrinterSettings{}, dest, {0, 0, 40, 20}, dib.header, pixels,
                         clip, progress);
  };
  const std::span<const std::uint8_t> pixels(dib.pixels);
  const ClipRect page{0, 0, 250, 120};
  const auto goOn = [](std::uint32_t, std::uint32_t) { return true; };
  const auto cancelSecond = [](std::uint32_t done, std::uint32_t) { return done < 2; };
  EXPECT_EQ(run({0, 0, 250, 120}, pixels, page, goOn), PrintResult::Printed);
  EXPECT_EQ(run({300, 0, 250, 120}, pixels, page, goOn), PrintResult::NothingToPrint);
  EXPECT_EQ(run({0, 0, 0, 120}, pixels, page, goOn), PrintResult::BadParameter);
  EXPECT_EQ(run({0, 0, 250, 120}, pixels.first(pixels.size() - 1), page, goOn),
            PrintResult::ReadFailed);
  EXPECT_EQ(run({0, 0, 250, 120}, pixels, page, cancelSecond), PrintResult::Stopped);

  const struct {
    PrintResult result;
    const char* message;
  } messages[] = {
      {PrintResult::Printed, ""},
      {PrintResult::NothingToPrint, ""},
      {PrintResult::BadParameter, "Bad Parameter"},
      {PrintResult::AllocationFailed, "Memory Allocation Failed"},
      {PrintResult::ReadFailed, "Memory Read Failed"},
      {PrintResult::WriteFailed, "Memory Write Failed"},
      {PrintResult::Stopped, "User Aborted!"},
  };
  for (const auto& m : messages) {
    EXPECT_EQ(printResultMessage(m.result), m.message) << static_cast<int>(m.result);
  }
}

// Run-length data of a few bytes may state an image of gigabytes: the printer refuses it as an
// allocation failure instead of trying (found by fuzzing).
TEST(FailingPrinter, RunLengthImageTooLargeToExpandIsAnAllocationFailure) {
  Dib dib = testing::numberedDib(16, 8);
  writeU32(dib.header, 16, static_cast<std::uint32_t>(DibCompression::Rle8));
  const std::vector<std::uint8_t> rle = {4, 1, 0, 0, 0, 1};
  writeU32(dib.header, 20, static_cast<std::uint32_t>(rle.size()));
  FailingDevice device(Failure::None, 0);
  const auto print = [&](int height) {
    writeU32(dib.header, 8, static_cast<std::uint32_t>(height));
    return printDibTiled(device, TiledPrinterSettings{}, {0, 0, 100, 50}, {0, 0, 16, 8}, dib.header,
                         rle, {0, 0, 100, 50}, {});
  };
  EXPECT_EQ(print(8), PrintResult::Printed);
  EXPECT_EQ(print(117440763), PrintResult::AllocationFailed);
  EXPECT_EQ(device.tiles, 1);
}

}  // namespace
}  // namespace delvora
