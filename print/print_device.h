#pragma once

#include <cstdint>
#include <span>

namespace delvora {

// A rectangle in device pixels by corner and size.
struct DeviceRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const DeviceRect&) const = default;
};

// A DIB handed to a device: an information header (40 bytes, positive height, so rows are
// bottom-up) with its colour table or bit-field masks, and its pixel rows.
struct DibView {
  std::span<const std::uint8_t> header;
  std::span<const std::uint8_t> pixels;
};

// What the tiled image printer draws on.
class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  // Draws the whole DIB scaled onto dest with its colour-table colours as a plain copy, drawing
  // nothing outside clip. Returns the number of DIB rows drawn: its height on success.
  virtual int stretchDib(const DeviceRect& dest, const DeviceRect& clip, const DibView& dib) = 0;
  // The fallback path: turns the DIB into a device bitmap on a memory surface compatible with
  // the device and copies it onto dest (plain copy when the sizes match, else stretching),
  // inside clip. False on failure.
  virtual bool copyDeviceBitmap(const DeviceRect& dest, const DeviceRect& clip,
                                const DibView& dib) = 0;
  // Sends pending drawing to the device.
  virtual void flush() = 0;
  // True when the device takes bitmaps of more than 64 KB.
  virtual bool largeBitmaps() const = 0;
  // Width and height of the display screen in pixels: the tile size.
  virtual int screenWidth() const = 0;
  virtual int screenHeight() const = 0;
};

}  // namespace delvora
