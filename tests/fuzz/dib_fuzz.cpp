// Any bytes as a BMP stream, and as the header and pixel blocks the tiled printer takes: the DIB
// extraction either fails or gives blocks that match their header, and the printer returns one
// of its result codes after handing the device only well-formed tiles.
#include <fuzzer/FuzzedDataProvider.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "print/dib.h"
#include "print/tiled_printer.h"

namespace {

using namespace delvora;

void check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// A device that reads every byte of every tile it gets and fails when told to.
class CheckingDevice final : public PrintDevice {
 public:
  explicit CheckingDevice(FuzzedDataProvider& choices)
      : m_choices(choices),
        m_screenWidth(choices.ConsumeIntegralInRange(1, 300)),
        m_screenHeight(choices.ConsumeIntegralInRange(1, 300)),
        m_large(choices.ConsumeBool()) {}

  int stretchDib(const DeviceRect& dest, const DeviceRect&, const DibView& dib) override {
    const int rows = checkTile(dest, dib);
    return m_choices.ConsumeIntegralInRange(0, 7) == 7 ? rows - 1 : rows;
  }
  bool copyDeviceBitmap(const DeviceRect& dest, const DeviceRect&, const DibView& dib) override {
    checkTile(dest, dib);
    return m_choices.ConsumeIntegralInRange(0, 7) != 7;
  }
  void flush() override {}
  bool largeBitmaps() const override { return m_large; }
  int screenWidth() const override { return m_screenWidth; }
  int screenHeight() const override { return m_screenHeight; }

  std::uint32_t checksum = 0;

 private:
  int checkTile(const DeviceRect& dest, const DibView& dib) {
    check(dest.width > 0 && dest.height > 0, "an empty tile was drawn");
    check(dib.header.size() >= static_cast<std::size_t>(kInfoHeaderSize), "short tile header");
    const std::optional<DibHeaderInfo> info = readDibHeader(dib.header);
    check(info && info->headerSize == kInfoHeaderSize, "a tile without an information header");
    check(info->width > 0 && info->height > 0, "a tile that is not bottom-up");
    check(dib.pixels.size() >=
              dibRowBytes(info->width, info->bitsPerPixel) * static_cast<std::size_t>(info->height),
          "a tile with missing pixel rows");
    for (const std::uint8_t byte : dib.header) checksum += byte;
    for (const std::uint8_t byte : dib.pixels) checksum += byte;
    return info->height;
  }

  FuzzedDataProvider& m_choices;
  int m_screenWidth;
  int m_screenHeight;
  bool m_large;
};

void checkResult(PrintResult result) {
  const int code = static_cast<int>(result);
  check(code >= -5 && code <= 1 && result != PrintResult::WriteFailed, "unknown result code");
}

DeviceRect fuzzedRect(FuzzedDataProvider& choices, int low, int high, int maxSize) {
  return {choices.ConsumeIntegralInRange(low, high), choices.ConsumeIntegralInRange(low, high),
          choices.ConsumeIntegralInRange(-1, maxSize), choices.ConsumeIntegralInRange(-1, maxSize)};
}

void print(FuzzedDataProvider& choices, std::span<const std::uint8_t> header,
           std::span<const std::uint8_t> pixels, const DeviceRect& source) {
  CheckingDevice device(choices);
  TiledPrinterSettings settings;
  settings.tileMode = choices.ConsumeBool() ? TileMode::ExactFit : TileMode::SoftwareScaling;
  settings.fallbackOnFailure = choices.ConsumeBool();
  settings.flushAfterEachTile = choices.ConsumeBool();
  const DeviceRect dest = fuzzedRect(choices, -200, 400, 700);
  const ClipRect clip{
      choices.ConsumeIntegralInRange(-50, 300), choices.ConsumeIntegralInRange(-50, 300),
      choices.ConsumeIntegralInRange(-50, 800), choices.ConsumeIntegralInRange(-50, 800)};
  const int stopAt = choices.ConsumeIntegralInRange(0, 64);
  const TileProgress progress = [stopAt](std::uint32_t done, std::uint32_t total) {
    check(done <= total, "progress past the total");
    return stopAt == 0 || done < static_cast<std::uint32_t>(stopAt);
  };
  checkResult(printDibTiled(device, settings, dest, source, header, pixels, clip, progress));
}

// The bytes as a BMP file, extracted and then printed whole.
void fuzzBmpStream(FuzzedDataProvider& choices, std::span<const std::uint8_t> bmp) {
  const std::optional<Dib> dib = extractDib(bmp);
  if (!dib) return;
  const std::uint32_t offset = readU32(bmp, 10);
  check(dib->header.size() == offset - kBmpFileHeaderSize, "the header block is cut wrong");
  check(readDibHeader(dib->header).has_value(), "an unreadable header was accepted");
  check(dib->width > 0 && dib->height > 0, "an empty image was accepted");
  check(dib->pixels.size() >= 32, "a pixel block under 32 bytes was accepted");
  check(offset + dib->pixels.size() <= bmp.size(), "pixels from past the stream");
  print(choices, dib->header, dib->pixels, DeviceRect{0, 0, dib->width, dib->height});
}

// The bytes as a header block and a pixel block handed straight to the printer.
void fuzzBlocks(FuzzedDataProvider& choices, std::span<const std::uint8_t> blocks) {
  const std::size_t headerSize = choices.ConsumeIntegralInRange<std::size_t>(0, blocks.size());
  const DeviceRect source = fuzzedRect(choices, -2, 300, 400);
  print(choices, blocks.first(headerSize), blocks.subspan(headerSize), source);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first 64 bytes steer the run (mode, rectangles, device answers); the rest is the input.
  const std::size_t steer = std::min<std::size_t>(size, 64);
  FuzzedDataProvider choices(data, steer);
  const std::span<const std::uint8_t> bytes(data + steer, size - steer);
  if (choices.ConsumeBool()) {
    fuzzBmpStream(choices, bytes);
  } else {
    fuzzBlocks(choices, bytes);
  }
  return 0;
}
