#pragma once

#include <string>

#include "render/bitmap.h"
#include "render/indexed_image.h"

namespace delvora {

// Largest palette the palette step makes.
inline constexpr int kPrintPaletteColors = 236;

// What the palette step gives: the print bitmap, or the library's message when it failed.
struct PaletteResult {
  IndexedImage image;
  std::string error;
  bool ok() const { return error.empty(); }
};

// The palette step: encodes picture as a quality-95 baseline JPEG in memory, then decodes it with
// two-pass colour quantisation to at most 236 colours, Floyd-Steinberg dithering and block
// smoothing at full scale. The result has the picture's size. An empty picture, or one past the
// JPEG size limit, fails with a message.
PaletteResult ReJigPallete(const Bitmap& picture);

}  // namespace delvora
