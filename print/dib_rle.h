#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace delvora {

// Expands 8-bit (bitsPerPixel 8) or 4-bit (4) run-length data into uncompressed bottom-up rows
// of width x height pixels padded to 4 bytes. Pixels the data skip get fillIndex. nullopt when
// the data are malformed or run past the image.
std::optional<std::vector<std::uint8_t>> expandRle(std::span<const std::uint8_t> data, int width,
                                                   int height, int bitsPerPixel,
                                                   std::uint8_t fillIndex);

}  // namespace delvora
