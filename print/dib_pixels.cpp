#include "print/dib_pixels.h"

#include <cstring>

namespace delvora {

std::uint32_t dibPixel(const std::uint8_t* row, int x, int bitsPerPixel) {
  const auto at = static_cast<std::size_t>(x);
  switch (bitsPerPixel) {
    case 1:
      return (row[at / 8] >> (7 - at % 8)) & 1u;
    case 4:
      return (at % 2 == 0) ? row[at / 2] >> 4 : row[at / 2] & 0x0Fu;
    case 8:
      return row[at];
    case 16:
      return row[2 * at] | (static_cast<std::uint32_t>(row[2 * at + 1]) << 8);
    case 24:
      return row[3 * at] | (static_cast<std::uint32_t>(row[3 * at + 1]) << 8) |
             (static_cast<std::uint32_t>(row[3 * at + 2]) << 16);
    default:
      return row[4 * at] | (static_cast<std::uint32_t>(row[4 * at + 1]) << 8) |
             (static_cast<std::uint32_t>(row[4 * at + 2]) << 16) |
             (static_cast<std::uint32_t>(row[4 * at + 3]) << 24);
  }
}

void setDibPixel(std::uint8_t* row, int x, int bitsPerPixel, std::uint32_t value) {
  const auto at = static_cast<std::size_t>(x);
  switch (bitsPerPixel) {
    case 1: {
      const auto bit = static_cast<std::uint8_t>(0x80u >> (at % 8));
      row[at / 8] =
          static_cast<std::uint8_t>((value & 1u) ? row[at / 8] | bit : row[at / 8] & ~bit);
      return;
    }
    case 4:
      row[at / 2] = (at % 2 == 0)
                        ? static_cast<std::uint8_t>((row[at / 2] & 0x0Fu) | ((value & 0x0Fu) << 4))
                        : static_cast<std::uint8_t>((row[at / 2] & 0xF0u) | (value & 0x0Fu));
      return;
    default:
      for (std::size_t i = 0; i < static_cast<std::size_t>(bitsPerPixel / 8); ++i) {
        row[at * static_cast<std::size_t>(bitsPerPixel / 8) + i] =
            static_cast<std::uint8_t>(value >> (8 * i));
      }
  }
}

void copyDibPixels(const std::uint8_t* src, int from, std::uint8_t* dst, int count,
                   int bitsPerPixel) {
  if (bitsPerPixel >= 8) {
    const auto bytes = static_cast<std::size_t>(bitsPerPixel / 8);
    std::memcpy(dst, src + static_cast<std::size_t>(from) * bytes,
                static_cast<std::size_t>(count) * bytes);
    return;
  }
  for (int i = 0; i < count; ++i)
    setDibPixel(dst, i, bitsPerPixel, dibPixel(src, from + i, bitsPerPixel));
}

std::size_t colorTableEntries(const DibHeaderInfo& info) {
  if (info.bitsPerPixel > 8) return 0;
  if (info.headerSize == kInfoHeaderSize && info.colorsUsed != 0) return info.colorsUsed;
  return std::size_t{1} << info.bitsPerPixel;
}

std::optional<NormalizedHeader> normalizeDibHeader(std::span<const std::uint8_t> header,
                                                   const DibHeaderInfo& info) {
  const std::size_t entries = colorTableEntries(info);
  NormalizedHeader out;
  out.info = info;
  if (info.headerSize == kCoreHeaderSize) {
    if (header.size() < kCoreHeaderSize + 3 * entries) return std::nullopt;
    out.bytes.assign(kInfoHeaderSize + 4 * entries, 0);
    const std::span<std::uint8_t> bytes(out.bytes);
    writeU32(bytes, 0, kInfoHeaderSize);
    writeU32(bytes, 4, static_cast<std::uint32_t>(info.width));
    writeU32(bytes, 8, static_cast<std::uint32_t>(info.height));
    writeU16(bytes, 12, info.planes);
    writeU16(bytes, 14, info.bitsPerPixel);
    for (std::size_t i = 0; i < entries; ++i) {
      std::memcpy(out.bytes.data() + kInfoHeaderSize + 4 * i,
                  header.data() + kCoreHeaderSize + 3 * i, 3);
    }
    out.info.headerSize = kInfoHeaderSize;
    return out;
  }
  const std::size_t masks =
      info.compression == static_cast<std::uint32_t>(DibCompression::BitFields) ? 12 : 0;
  const std::size_t size = kInfoHeaderSize + 4 * entries + masks;
  if (header.size() < size) return std::nullopt;
  out.bytes.assign(header.begin(), header.begin() + static_cast<std::ptrdiff_t>(size));
  return out;
}

std::vector<std::uint8_t> tileHeader(const NormalizedHeader& source, int width, int height) {
  std::vector<std::uint8_t> bytes = source.bytes;
  const std::span<std::uint8_t> out(bytes);
  writeU32(out, 4, static_cast<std::uint32_t>(width));
  writeU32(out, 8, static_cast<std::uint32_t>(height));
  const bool bitFields =
      source.info.compression == static_cast<std::uint32_t>(DibCompression::BitFields);
  writeU32(out, 16, bitFields ? static_cast<std::uint32_t>(DibCompression::BitFields) : 0u);
  writeU32(out, 20,
           static_cast<std::uint32_t>(dibRowBytes(width, source.info.bitsPerPixel) *
                                      static_cast<std::size_t>(height)));
  return bytes;
}

std::uint8_t firstWhiteIndex(const NormalizedHeader& header) {
  const std::size_t entries = colorTableEntries(header.info);
  for (std::size_t i = 0; i < entries && i < 256; ++i) {
    const std::uint8_t* quad = header.bytes.data() + kInfoHeaderSize + 4 * i;
    if (quad[0] == 255 && quad[1] == 255 && quad[2] == 255) return static_cast<std::uint8_t>(i);
  }
  return 0;
}

}  // namespace delvora
