#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "engine/canvas.h"

namespace delvora {

// A small picture compiled into the program: a tile, a legend swatch or a font strip.
struct TileImage {
  int width = 0;
  int height = 0;
  // width * height * 3 bytes, row-major RGB.
  std::span<const std::uint8_t> pixels;
  // Pixels of exactly this colour leave the target unchanged when the image is drawn.
  std::optional<Rgb> transparent;

  const std::uint8_t* row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
  }
  // Precondition: 0 <= x < width, 0 <= y < height.
  Rgb pixel(int x, int y) const {
    const std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * 3;
    return {p[0], p[1], p[2]};
  }
};

// A picture of the assets folder under the name its file gives.
struct EmbeddedPicture {
  std::string_view name;
  TileImage image;
};

// Every picture of the assets folder; the table is generated at build time.
std::span<const EmbeddedPicture> embeddedPictures();

// The embedded picture called name. Throws std::out_of_range when there is none, which means
// the build left an asset out.
const TileImage& embeddedPicture(std::string_view name);

}  // namespace delvora
