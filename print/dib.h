#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "render/indexed_image.h"

namespace delvora {

// Sizes of the BMP structures.
inline constexpr int kBmpFileHeaderSize = 14;
inline constexpr int kCoreHeaderSize = 12;
inline constexpr int kInfoHeaderSize = 40;

// Compression values of an information header.
enum class DibCompression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

// A device-independent bitmap in memory: the header block (an information or core header and the
// colour table after it, as they follow the file header of a BMP file) and the pixel block
// (bottom-up rows, each padded to 4 bytes).
struct Dib {
  std::vector<std::uint8_t> header;
  std::vector<std::uint8_t> pixels;
  int width = 0;
  int height = 0;
};

// The fields of a header block that the printing routines use; a core header is read into the
// same shape.
struct DibHeaderInfo {
  std::uint32_t headerSize = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::uint32_t imageSize = 0;
  std::uint32_t colorsUsed = 0;
};

// Reads the header fields; nullopt when the block is shorter than its stated header or the
// header size is neither 12 nor 40.
std::optional<DibHeaderInfo> readDibHeader(std::span<const std::uint8_t> header);

// Bytes of one pixel row, padded to a multiple of 4.
std::size_t dibRowBytes(std::int64_t width, int bitsPerPixel);

// Writes image as an uncompressed 8-bit BMP file (information header, one colour-table entry per
// palette entry) into memory.
std::vector<std::uint8_t> writeBmp(const IndexedImage& image);

// Reads a BMP file held in memory into a DIB, checking the "BM" signature, the pixel-data offset,
// the header size (12 or 40), positive width and height and a pixel block of at least 32 bytes
// that the stream holds in full. nullopt on any failure.
std::optional<Dib> extractDib(std::span<const std::uint8_t> bmp);

// The DIB extraction of the print bitmap: writes it as BMP into memory and reads it back.
std::optional<Dib> extractDib(const IndexedImage& image);

// Little-endian reads and writes of BMP fields. Precondition: the bytes are there.
std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at);
std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at);
void writeU16(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value);
void writeU32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value);

}  // namespace delvora
