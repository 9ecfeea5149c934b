#pragma once

#include <cstdint>
#include <vector>

#include "print/dib.h"
#include "print/print_device.h"

namespace delvora::testing {

// A print device that records what it is asked to draw, for tests of the tiled printer.
class RecordingDevice final : public PrintDevice {
 public:
  enum class Path { Stretch, Copy };
  struct Call {
    Path path;
    DeviceRect dest;
    DeviceRect clip;
    std::vector<std::uint8_t> header;
    std::vector<std::uint8_t> pixels;
    int width() const { return static_cast<int>(readU32(header, 4)); }
    int height() const { return static_cast<int>(readU32(header, 8)); }
    // Pixel (x, y) from the top of an 8-bit tile.
    std::uint8_t index(int x, int y) const {
      const std::size_t row = dibRowBytes(width(), 8);
      return pixels[row * static_cast<std::size_t>(height() - 1 - y) + static_cast<std::size_t>(x)];
    }
  };

  int stretchDib(const DeviceRect& dest, const DeviceRect& clip, const DibView& dib) override {
    ++stretchAttempts;
    if (failStretch) return 0;
    record(Path::Stretch, dest, clip, dib);
    return static_cast<int>(readU32(dib.header, 8));
  }
  bool copyDeviceBitmap(const DeviceRect& dest, const DeviceRect& clip,
                        const DibView& dib) override {
    if (failCopy) return false;
    record(Path::Copy, dest, clip, dib);
    return true;
  }
  void flush() override { ++flushes; }
  bool largeBitmaps() const override { return large; }
  int screenWidth() const override { return screenW; }
  int screenHeight() const override { return screenH; }

  std::vector<Call> calls;
  int stretchAttempts = 0;
  int flushes = 0;
  bool failStretch = false;
  bool failCopy = false;
  bool large = true;
  int screenW = 100;
  int screenH = 50;

 private:
  void record(Path path, const DeviceRect& dest, const DeviceRect& clip, const DibView& dib) {
    calls.push_back({path,
                     dest,
                     clip,
                     {dib.header.begin(), dib.header.end()},
                     {dib.pixels.begin(), dib.pixels.end()}});
  }
};

}  // namespace delvora::testing
