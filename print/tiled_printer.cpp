#include "print/tiled_printer.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>
#include <vector>

#include "print/dib.h"
#include "print/dib_pixels.h"
#include "print/dib_rle.h"

namespace delvora {

namespace {

constexpr int kProgressRowStep = 64;
constexpr std::size_t kSmallBitmapLimit = 65503;
// Run-length data of a few bytes can state an image of gigabytes; expanding more than this
// counts as a failed allocation (the print bitmap of the largest map is under 2 MB).
constexpr std::size_t kMaxExpandedBytes = std::size_t{16} << 20;

bool validBits(int bits, bool core) {
  switch (bits) {
    case 1:
    case 4:
    case 8:
    case 24:
      return true;
    case 16:
    case 32:
      return !core;
    default:
      return false;
  }
}

bool validHeader(const DibHeaderInfo& info) {
  if (info.planes != 1) return false;
  if (info.headerSize == kCoreHeaderSize) {
    return info.width != 0 && info.height != 0 && validBits(info.bitsPerPixel, true);
  }
  if (info.width <= 0 || info.height == 0 || !validBits(info.bitsPerPixel, false)) return false;
  switch (static_cast<DibCompression>(info.compression)) {
    case DibCompression::Rgb:
      return true;
    case DibCompression::Rle8:
    case DibCompression::Rle4:
    case DibCompression::BitFields:
      return info.imageSize != 0 && info.height > 0;
  }
  return false;
}

// The source image with uncompressed rows, addressed from the top row.
struct SourceImage {
  NormalizedHeader header;
  std::vector<std::uint8_t> expanded;
  std::span<const std::uint8_t> pixels;
  int width = 0;
  int height = 0;
  bool bottomUp = true;
  int bits = 8;
  std::size_t rowBytes = 0;

  const std::uint8_t* row(int y) const {
    const int stored = bottomUp ? height - 1 - y : y;
    return pixels.data() + rowBytes * static_cast<std::size_t>(stored);
  }
};

// Expands run-length data, or checks that the rows are all there.
PrintResult preparePixels(SourceImage& image, std::span<const std::uint8_t> pixels) {
  const auto compression = static_cast<DibCompression>(image.header.info.compression);
  if (compression == DibCompression::Rle8 || compression == DibCompression::Rle4) {
    if (image.rowBytes > kMaxExpandedBytes / static_cast<std::size_t>(image.height)) {
      return PrintResult::AllocationFailed;
    }
    const std::size_t stated = std::min<std::size_t>(image.header.info.imageSize, pixels.size());
    auto expanded = expandRle(pixels.first(stated), image.width, image.height, image.bits,
                              firstWhiteIndex(image.header));
    if (!expanded) return PrintResult::ReadFailed;
    image.expanded = std::move(*expanded);
    image.pixels = image.expanded;
    return PrintResult::Printed;
  }
  if (pixels.size() < image.rowBytes * static_cast<std::size_t>(image.height)) {
    return PrintResult::ReadFailed;
  }
  image.pixels = pixels;
  return PrintResult::Printed;
}

struct Area {
  std::int64_t left, top, right, bottom;
  bool empty() const { return left >= right || top >= bottom; }
};

// Source pixels [first, first + count) that the device span [from, to) covers, with the device
// span those pixels fill. Neighbouring tiles thus share pixel boundaries and no source column is
// lost or shifted at a tile edge.
struct Cover {
  int first = 0;
  int count = 1;
  int drawFrom = 0;
  int drawTo = 0;
};

Cover coverOf(std::int64_t from, std::int64_t to, int destStart, int sourceStart, int sourceSize,
              long double sourcePerDest) {
  const long double a = static_cast<long double>(from - destStart) * sourcePerDest;
  const long double b = static_cast<long double>(to - destStart) * sourcePerDest;
  const int first = std::clamp(static_cast<int>(std::floor(a)), 0, sourceSize - 1);
  const int last = std::clamp(static_cast<int>(std::ceil(b)) - 1, first, sourceSize - 1);
  Cover cover;
  cover.first = sourceStart + first;
  cover.count = last - first + 1;
  cover.drawFrom = destStart + static_cast<int>(std::llround(first / sourcePerDest));
  cover.drawTo = destStart + static_cast<int>(std::llround((last + 1) / sourcePerDest));
  return cover;
}

struct TileDib {
  std::vector<std::uint8_t> header;
  std::vector<std::uint8_t> pixels;
  DeviceRect draw;
};

class TileJob {
 public:
  TileJob(PrintDevice& device, const TiledPrinterSettings& settings, const DeviceRect& dest,
          const DeviceRect& source, const SourceImage& image, const TileProgress& progress)
      : m_device(device),
        m_settings(settings),
        m_dest(dest),
        m_source(source),
        m_image(image),
        m_progress(progress),
        m_sourcePerDestX(static_cast<long double>(source.width) / dest.width),
        m_sourcePerDestY(static_cast<long double>(source.height) / dest.height) {}

  PrintResult run(const Area& area, int tileWidth, int tileHeight);

 private:
  bool report(std::uint32_t done) const { return !m_progress || m_progress(done, m_total); }
  // Builds the tile's DIB; false when the progress callback asked to stop.
  bool buildExact(const DeviceRect& tile, std::uint32_t done, TileDib& out) const;
  bool buildScaled(const DeviceRect& tile, std::uint32_t done, TileDib& out) const;
  bool draw(const DeviceRect& tile, const TileDib& dib);

  PrintDevice& m_device;
  const TiledPrinterSettings& m_settings;
  DeviceRect m_dest;
  DeviceRect m_source;
  const SourceImage& m_image;
  const TileProgress& m_progress;
  long double m_sourcePerDestX;
  long double m_sourcePerDestY;
  std::uint32_t m_total = 0;
  bool m_copyPath = false;
};

bool TileJob::buildExact(const DeviceRect& tile, std::uint32_t done, TileDib& out) const {
  const Cover x = coverOf(tile.x, std::int64_t{tile.x} + tile.width, m_dest.x, m_source.x,
                          m_source.width, m_sourcePerDestX);
  const Cover y = coverOf(tile.y, std::int64_t{tile.y} + tile.height, m_dest.y, m_source.y,
                          m_source.height, m_sourcePerDestY);
  out.header = tileHeader(m_image.header, x.count, y.count);
  const std::size_t rowBytes = dibRowBytes(x.count, m_image.bits);
  out.pixels.assign(rowBytes * static_cast<std::size_t>(y.count), 0);
  for (int j = 0; j < y.count; ++j) {
    std::uint8_t* row = out.pixels.data() + rowBytes * static_cast<std::size_t>(y.count - 1 - j);
    copyDibPixels(m_image.row(y.first + j), x.first, row, x.count, m_image.bits);
    if (j % kProgressRowStep == 0 && !report(done)) return false;
  }
  out.draw = {x.drawFrom, y.drawFrom, x.drawTo - x.drawFrom, y.drawTo - y.drawFrom};
  return true;
}

bool TileJob::buildScaled(const DeviceRect& tile, std::uint32_t done, TileDib& out) const {
  out.header = tileHeader(m_image.header, tile.width, tile.height);
  const std::size_t rowBytes = dibRowBytes(tile.width, m_image.bits);
  out.pixels.assign(rowBytes * static_cast<std::size_t>(tile.height), 0);
  std::vector<int> columns(static_cast<std::size_t>(tile.width));
  for (int i = 0; i < tile.width; ++i) {
    const long double at = (tile.x - m_dest.x + i + 0.5L) * m_sourcePerDestX;
    columns[static_cast<std::size_t>(i)] =
        m_source.x + std::clamp(static_cast<int>(at), 0, m_source.width - 1);
  }
  for (int j = 0; j < tile.height; ++j) {
    const long double at = (tile.y - m_dest.y + j + 0.5L) * m_sourcePerDestY;
    const std::uint8_t* src =
        m_image.row(m_source.y + std::clamp(static_cast<int>(at), 0, m_source.height - 1));
    std::uint8_t* row =
        out.pixels.data() + rowBytes * static_cast<std::size_t>(tile.height - 1 - j);
    for (int i = 0; i < tile.width; ++i) {
      setDibPixel(row, i, m_image.bits,
                  dibPixel(src, columns[static_cast<std::size_t>(i)], m_image.bits));
    }
    if (j % kProgressRowStep == 0 && !report(done)) return false;
  }
  out.draw = tile;
  return true;
}

bool TileJob::draw(const DeviceRect& tile, const TileDib& dib) {
  const DibView view{dib.header, dib.pixels};
  const int rows = static_cast<int>(readU32(dib.header, 8));
  if (!m_copyPath) {
    if (m_device.stretchDib(dib.draw, tile, view) == rows) return true;
    if (!m_settings.fallbackOnFailure) return false;
    m_copyPath = true;
  }
  return m_device.copyDeviceBitmap(dib.draw, tile, view);
}

PrintResult TileJob::run(const Area& area, int tileWidth, int tileHeight) {
  const std::int64_t across = (area.right - area.left + tileWidth - 1) / tileWidth;
  const std::int64_t down = (area.bottom - area.top + tileHeight - 1) / tileHeight;
  m_total = static_cast<std::uint32_t>(across * down);
  std::uint32_t number = 0;
  for (std::int64_t top = area.top; top < area.bottom; top += tileHeight) {
    for (std::int64_t left = area.left; left < area.right; left += tileWidth) {
      const DeviceRect tile{
          static_cast<int>(left), static_cast<int>(top),
          static_cast<int>(std::min<std::int64_t>(tileWidth, area.right - left)),
          static_cast<int>(std::min<std::int64_t>(tileHeight, area.bottom - top))};
      ++number;
      if (m_settings.drawImage) {
        TileDib dib;
        const bool built = m_settings.tileMode == TileMode::ExactFit
                               ? buildExact(tile, number - 1, dib)
                               : buildScaled(tile, number - 1, dib);
        if (!built) return PrintResult::Stopped;
        if (m_settings.sendToDevice && !draw(tile, dib)) return PrintResult::Stopped;
      }
      if (m_settings.flushAfterEachTile) m_device.flush();
      if (!report(number)) return PrintResult::Stopped;
    }
  }
  return PrintResult::Printed;
}

int tileHeightFor(const PrintDevice& device, int screenWidth, int bits) {
  const int screenHeight = std::max(device.screenHeight(), 1);
  if (device.largeBitmaps()) return screenHeight;
  const std::size_t row = dibRowBytes(screenWidth, bits);
  return static_cast<int>(std::max<std::size_t>(kSmallBitmapLimit / row, 1));
}

PrintResult printChecked(PrintDevice& device, const TiledPrinterSettings& settings,
                         const DeviceRect& dest, const DeviceRect& source,
                         std::span<const std::uint8_t> header, std::span<const std::uint8_t> pixels,
                         const ClipRect& clip, const TileProgress& progress) {
  if (header.size() < 4) return PrintResult::BadParameter;
  const std::uint32_t headerSize = readU32(header, 0);
  if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize) {
    return PrintResult::BadParameter;
  }
  const std::optional<DibHeaderInfo> info = readDibHeader(header);
  if (!info) return PrintResult::ReadFailed;
  if (!validHeader(*info) || pixels.empty() || source.x < 0 || source.y < 0 || source.width <= 0 ||
      source.height <= 0 || dest.width <= 0 || dest.height <= 0) {
    return PrintResult::BadParameter;
  }
  SourceImage image;
  std::optional<NormalizedHeader> normalized = normalizeDibHeader(header, *info);
  if (!normalized) return PrintResult::ReadFailed;
  image.header = std::move(*normalized);
  image.width = info->width;
  image.height = std::abs(info->height);
  image.bottomUp = info->height > 0;
  image.bits = info->bitsPerPixel;
  image.rowBytes = dibRowBytes(image.width, image.bits);
  if (std::int64_t{source.x} + source.width > image.width ||
      std::int64_t{source.y} + source.height > image.height) {
    return PrintResult::BadParameter;
  }
  const Area area{std::max<std::int64_t>(dest.x, clip.left),
                  std::max<std::int64_t>(dest.y, clip.top),
                  std::min(std::int64_t{dest.x} + dest.width, std::int64_t{clip.right}),
                  std::min(std::int64_t{dest.y} + dest.height, std::int64_t{clip.bottom})};
  if (area.empty()) return PrintResult::NothingToPrint;
  if (const PrintResult prepared = preparePixels(image, pixels); prepared != PrintResult::Printed) {
    return prepared;
  }
  const int tileWidth = std::max(device.screenWidth(), 1);
  const int tileHeight = tileHeightFor(device, tileWidth, image.bits);
  TileJob job(device, settings, dest, source, image, progress);
  return job.run(area, tileWidth, tileHeight);
}

}  // namespace

PrintResult printDibTiled(PrintDevice& device, const TiledPrinterSettings& settings,
                          const DeviceRect& dest, const DeviceRect& source,
                          std::span<const std::uint8_t> header,
                          std::span<const std::uint8_t> pixels, const ClipRect& clip,
                          const TileProgress& progress) {
  // Every buffer of the call is owned by a local, so each way out frees it.
  try {
    return printChecked(device, settings, dest, source, header, pixels, clip, progress);
  } catch (const std::bad_alloc&) {
    return PrintResult::AllocationFailed;
  }
}

}  // namespace delvora
