#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "print/print_device.h"

namespace delvora {

enum class TileMode {
  // Each tile is resampled to its device size (nearest source pixel) and copied 1:1.
  SoftwareScaling,
  // Each tile carries only the source pixels it covers and the device scales them.
  ExactFit,
};

// How the tiled image printer works; the defaults are the program's start values.
struct TiledPrinterSettings {
  // Tiles are built and sent.
  bool drawImage = true;
  // Built tiles are drawn on the device.
  bool sendToDevice = true;
  // A stretch that does not draw every row switches the rest of the call to the bitmap copy.
  bool fallbackOnFailure = true;
  // The device is flushed after every tile.
  bool flushAfterEachTile = true;
  TileMode tileMode = TileMode::SoftwareScaling;
};

// Result codes of the tiled image printer and of the print job built on it.
enum class PrintResult : int {
  Printed = 1,
  NothingToPrint = 0,
  BadParameter = -1,
  AllocationFailed = -2,
  ReadFailed = -3,
  WriteFailed = -4,
  Stopped = -5,
};

// A clip rectangle in device pixels; right and bottom are exclusive.
struct ClipRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Called with tiles done and tiles in total; returning false stops the print.
using TileProgress = std::function<bool(std::uint32_t done, std::uint32_t total)>;

// Draws the source rectangle of a DIB (header block with colour table, pixel block), scaled to
// the destination rectangle and limited to clip, in tiles of at most the screen's size (and of
// 64 KB of pixels on devices without large-bitmap support), row by row from the top. Source y
// counts image rows from the top. Never returns WriteFailed.
PrintResult printDibTiled(PrintDevice& device, const TiledPrinterSettings& settings,
                          const DeviceRect& dest, const DeviceRect& source,
                          std::span<const std::uint8_t> header,
                          std::span<const std::uint8_t> pixels, const ClipRect& clip,
                          const TileProgress& progress);

}  // namespace delvora
