#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/dimensions.h"
#include "render/bitmap.h"

namespace delvora {

// Takes the encoded bytes in order; false stops the encoding (the sink's owner knows why).
using PngByteSink = std::function<bool(const std::uint8_t* data, std::size_t size)>;

// Told how many rows of how many an encoding has made.
using RowProgress = std::function<void(int rowsDone, int rows)>;

// The one way a map picture becomes a PNG: at pxPerGrid pixels per grid square (kGridSize gives
// the picture as drawn, any other scale nearest-neighbour), as 8-bit palette when it has at most
// 256 colours (maps have fewer than 64), else 24-bit RGB; readers see the same RGB either way.
// The bytes go to sink as they are made. progress, when given, hears of every row of a scaled
// picture. Returns "" on success, else why it failed ("write failed" when the sink refused).
std::string encodePng(const Bitmap& bitmap, int pxPerGrid, const PngByteSink& sink,
                      const RowProgress& progress = {});

// The same PNG in memory; empty when it could not be made (an empty picture).
std::vector<std::uint8_t> pngBytes(const Bitmap& bitmap, int pxPerGrid = kGridSize);

}  // namespace delvora
