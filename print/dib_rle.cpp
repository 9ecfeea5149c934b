#include "print/dib_rle.h"

#include "print/dib.h"

namespace delvora {

namespace {

// Writes pixels of an expanding image; positions past the row's end are dropped, as decoders
// of the format do.
class RleCanvas {
 public:
  RleCanvas(int width, int height, int bitsPerPixel, std::uint8_t fill)
      : m_width(width),
        m_height(height),
        m_bits(bitsPerPixel),
        m_rowBytes(dibRowBytes(width, bitsPerPixel)),
        m_pixels(m_rowBytes * static_cast<std::size_t>(height), 0) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) set(x, y, fill);
    }
  }

  bool put(std::uint8_t index) {
    if (m_y >= m_height) return false;
    if (m_x < m_width) set(m_x, m_y, index);
    ++m_x;
    return true;
  }
  void endLine() {
    m_x = 0;
    ++m_y;
  }
  void move(int dx, int dy) {
    m_x += dx;
    m_y += dy;
  }
  std::vector<std::uint8_t> take() { return std::move(m_pixels); }

 private:
  void set(int x, int y, std::uint8_t index) {
    std::uint8_t* row = m_pixels.data() + m_rowBytes * static_cast<std::size_t>(y);
    if (m_bits == 8) {
      row[x] = index;
      return;
    }
    std::uint8_t& byte = row[x / 2];
    byte = (x % 2 == 0) ? static_cast<std::uint8_t>((byte & 0x0F) | (index << 4))
                        : static_cast<std::uint8_t>((byte & 0xF0) | (index & 0x0F));
  }

  int m_width;
  int m_height;
  int m_bits;
  std::size_t m_rowBytes;
  std::vector<std::uint8_t> m_pixels;
  int m_x = 0;
  int m_y = 0;
};

// The index of pixel i of a run or literal byte: the byte itself, or alternating nibbles.
std::uint8_t pixelOf(std::uint8_t value, int i, int bits) {
  if (bits == 8) return value;
  return (i % 2 == 0) ? static_cast<std::uint8_t>(value >> 4)
                      : static_cast<std::uint8_t>(value & 0x0F);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> expandRle(std::span<const std::uint8_t> data, int width,
                                                   int height, int bitsPerPixel,
                                                   std::uint8_t fillIndex) {
  if ((bitsPerPixel != 8 && bitsPerPixel != 4) || width <= 0 || height <= 0) return std::nullopt;
  RleCanvas canvas(width, height, bitsPerPixel, fillIndex);
  std::size_t at = 0;
  while (at + 1 < data.size()) {
    const int count = data[at];
    const std::uint8_t value = data[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) {
        if (!canvas.put(pixelOf(value, i, bitsPerPixel))) return std::nullopt;
      }
    } else if (value == 0) {
      canvas.endLine();
    } else if (value == 1) {
      return canvas.take();
    } else if (value == 2) {
      if (at + 1 >= data.size()) return std::nullopt;
      canvas.move(data[at], data[at + 1]);
      at += 2;
    } else {
      // Literal run: value pixels, stored in whole 16-bit words.
      const std::size_t bytes = bitsPerPixel == 8 ? value : (value + 1u) / 2u;
      if (at + bytes > data.size()) return std::nullopt;
      for (int i = 0; i < value; ++i) {
        const std::uint8_t byte =
            data[at + static_cast<std::size_t>(bitsPerPixel == 8 ? i : i / 2)];
        if (!canvas.put(pixelOf(byte, i, bitsPerPixel))) return std::nullopt;
      }
      at += bytes + (bytes % 2);
    }
  }
  return canvas.take();
}

}  // namespace delvora
