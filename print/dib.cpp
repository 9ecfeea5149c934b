#include "print/dib.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace delvora {

namespace {

constexpr std::uint16_t kBmpSignature = 19778;  // "BM" read as a little-endian 16-bit value
constexpr std::size_t kMinPixelBlock = 32;

// The stream position the file-header reader works from, as a memory stream would.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
  // Copies count bytes from position at into out; false when the stream is too short.
  bool read(std::size_t at, std::size_t count, std::vector<std::uint8_t>& out) const {
    if (at > m_bytes.size() || count > m_bytes.size() - at) return false;
    out.assign(m_bytes.begin() + static_cast<std::ptrdiff_t>(at),
               m_bytes.begin() + static_cast<std::ptrdiff_t>(at + count));
    return true;
  }
  std::size_t size() const { return m_bytes.size(); }

 private:
  std::span<const std::uint8_t> m_bytes;
};

std::optional<std::size_t> pixelBlockSize(const DibHeaderInfo& info) {
  if (info.width <= 0 || info.height == 0) return std::nullopt;
  const std::int64_t rows = std::abs(static_cast<std::int64_t>(info.height));
  std::size_t size = info.imageSize;
  if (info.headerSize == kCoreHeaderSize || size == 0) {
    size = static_cast<std::size_t>(rows) * dibRowBytes(info.width, info.bitsPerPixel);
  }
  if (size < kMinPixelBlock) return std::nullopt;
  return size;
}

}  // namespace

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
         (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

void writeU16(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void writeU32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::size_t dibRowBytes(std::int64_t width, int bitsPerPixel) {
  return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

std::optional<DibHeaderInfo> readDibHeader(std::span<const std::uint8_t> header) {
  if (header.size() < 4) return std::nullopt;
  DibHeaderInfo info;
  info.headerSize = readU32(header, 0);
  if (info.headerSize == kCoreHeaderSize && header.size() >= kCoreHeaderSize) {
    info.width = readU16(header, 4);
    info.height = readU16(header, 6);
    info.planes = readU16(header, 8);
    info.bitsPerPixel = readU16(header, 10);
    return info;
  }
  if (info.headerSize != kInfoHeaderSize || header.size() < kInfoHeaderSize) return std::nullopt;
  info.width = static_cast<std::int32_t>(readU32(header, 4));
  info.height = static_cast<std::int32_t>(readU32(header, 8));
  info.planes = readU16(header, 12);
  info.bitsPerPixel = readU16(header, 14);
  info.compression = readU32(header, 16);
  info.imageSize = readU32(header, 20);
  info.colorsUsed = readU32(header, 32);
  return info;
}

std::vector<std::uint8_t> writeBmp(const IndexedImage& image) {
  const std::size_t colors = image.palette.size();
  const std::size_t rowBytes = dibRowBytes(image.width, 8);
  const std::size_t offset = kBmpFileHeaderSize + kInfoHeaderSize + 4 * colors;
  const std::size_t imageSize = rowBytes * static_cast<std::size_t>(image.height);
  std::vector<std::uint8_t> bmp(offset + imageSize, 0);
  const std::span<std::uint8_t> out(bmp);
  writeU16(out, 0, kBmpSignature);
  writeU32(out, 2, static_cast<std::uint32_t>(bmp.size()));
  writeU32(out, 10, static_cast<std::uint32_t>(offset));
  writeU32(out, 14, kInfoHeaderSize);
  writeU32(out, 18, static_cast<std::uint32_t>(image.width));
  writeU32(out, 22, static_cast<std::uint32_t>(image.height));
  writeU16(out, 26, 1);
  writeU16(out, 28, 8);
  writeU32(out, 34, static_cast<std::uint32_t>(imageSize));
  writeU32(out, 38, 3780);  // 96 dots per inch, in dots per metre
  writeU32(out, 42, 3780);
  writeU32(out, 46, static_cast<std::uint32_t>(colors));
  writeU32(out, 50, static_cast<std::uint32_t>(colors));
  for (std::size_t i = 0; i < colors; ++i) {
    const std::size_t at = kBmpFileHeaderSize + kInfoHeaderSize + 4 * i;
    bmp[at] = image.palette[i].b;
    bmp[at + 1] = image.palette[i].g;
    bmp[at + 2] = image.palette[i].r;
  }
  for (int y = 0; y < image.height; ++y) {
    const std::size_t row = offset + rowBytes * static_cast<std::size_t>(image.height - 1 - y);
    std::memcpy(
        bmp.data() + row,
        image.indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width),
        static_cast<std::size_t>(image.width));
  }
  return bmp;
}

std::optional<Dib> extractDib(std::span<const std::uint8_t> bmp) {
  const ByteReader stream(bmp);
  std::vector<std::uint8_t> fileHeader;
  if (!stream.read(0, kBmpFileHeaderSize, fileHeader)) return std::nullopt;
  if (readU16(fileHeader, 0) != kBmpSignature) return std::nullopt;
  const std::uint32_t offset = readU32(fileHeader, 10);
  if (offset <= kBmpFileHeaderSize || offset >= stream.size()) return std::nullopt;
  Dib dib;
  if (!stream.read(kBmpFileHeaderSize, offset - kBmpFileHeaderSize, dib.header)) {
    return std::nullopt;
  }
  const std::optional<DibHeaderInfo> info = readDibHeader(dib.header);
  if (!info) return std::nullopt;
  const std::optional<std::size_t> size = pixelBlockSize(*info);
  if (!size || !stream.read(offset, *size, dib.pixels)) return std::nullopt;
  dib.width = info->width;
  dib.height = std::abs(info->height);
  return dib;
}

std::optional<Dib> extractDib(const IndexedImage& image) {
  const std::vector<std::uint8_t> bmp = writeBmp(image);
  return extractDib(std::span<const std::uint8_t>(bmp));
}

}  // namespace delvora
