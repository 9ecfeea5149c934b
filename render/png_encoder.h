#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "render/png_image.h"
#include "render/png_writer.h"

namespace delvora {

// Encodes the picture as a PNG into sink, asking for its rows one at a time: signature, header,
// palette, the rows Up-filtered and deflated by zlib in 64 KB data chunks, end. Returns false on
// failure, with why in error, or error empty when the sink refused a write (its owner knows why).
bool encodePngStream(const PngImage& image, const PngByteSink& sink, std::string& error);

// Adler-32 of the zlib stream, 16 bytes a step in vector registers where the machine has them
// (zlib's own runs a byte at a time and cost a tenth of the whole encoding).
class Adler32 {
 public:
  void update(const std::uint8_t* data, std::size_t size);
  std::uint32_t value() const { return m_b << 16 | m_a; }

 private:
  std::uint32_t m_a = 1;
  std::uint32_t m_b = 0;
};

}  // namespace delvora
