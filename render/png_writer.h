#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "render/bitmap.h"

namespace delvora {

// Hands out row y (0 <= y < height, asked for in order) as width * 3 RGB bytes; the pointer
// need only stay valid until the next call.
using PngRowSource = std::function<const std::uint8_t*(int y)>;

// Writes a width x height 24-bit RGB PNG whose rows come from rows, one at a time, atomically
// (AtomicFileWriter): a failed write leaves an existing file untouched. Returns "" on success, else
// a one-line message naming the file.
std::string writePngRows(int width, int height, const PngRowSource& rows, const std::string& path);

// Encodes a width x height 24-bit RGB PNG into png (replacing its content), rows as for
// writePngRows. Returns "" on success, else a one-line message; png is then empty.
std::string encodePngRows(int width, int height, const PngRowSource& rows,
                          std::vector<std::uint8_t>& png);

// Writes the bitmap as a 24-bit RGB PNG; see writePngRows.
std::string writePng(const Bitmap& bitmap, const std::string& path);

}  // namespace delvora
