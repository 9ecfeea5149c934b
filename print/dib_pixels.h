#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "print/dib.h"

namespace delvora {

// Pixel value x of a DIB row at 1, 4, 8, 16, 24 or 32 bits per pixel.
std::uint32_t dibPixel(const std::uint8_t* row, int x, int bitsPerPixel);
void setDibPixel(std::uint8_t* row, int x, int bitsPerPixel, std::uint32_t value);
// Copies count pixels starting at pixel from of src to the start of dst.
void copyDibPixels(const std::uint8_t* src, int from, std::uint8_t* dst, int count,
                   int bitsPerPixel);

// A DIB's header block as the printer passes it on: an information header with the colour
// table (or bit-field masks) after it.
struct NormalizedHeader {
  std::vector<std::uint8_t> bytes;
  DibHeaderInfo info;
};

// Entries of the colour table that follows the header (0 for 16 bits and more).
std::size_t colorTableEntries(const DibHeaderInfo& info);

// Converts a core header to an information header and copies the colour table (and bit-field
// masks). nullopt when the block is shorter than the header and table it states.
std::optional<NormalizedHeader> normalizeDibHeader(std::span<const std::uint8_t> header,
                                                   const DibHeaderInfo& info);

// The header block of a width x height tile of the same format, rows bottom-up, uncompressed
// unless the source uses bit-field masks.
std::vector<std::uint8_t> tileHeader(const NormalizedHeader& source, int width, int height);

// The index of the first colour-table entry that is pure white; 0 when there is none.
std::uint8_t firstWhiteIndex(const NormalizedHeader& header);

}  // namespace delvora
