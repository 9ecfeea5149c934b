#include "render/indexed_image.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace delvora {

namespace {

// Maps colours to palette indices in the order they are first met, up to 256 of them.
class ColourTable {
 public:
  // The colour's index, added when new; -1 when the table is full.
  int indexOf(std::uint32_t colour) {
    std::size_t slot = (colour * 0x9E3779B1U) >> (32 - kSlotBits);
    while (m_used[slot]) {
      if (m_keys[slot] == colour) return m_values[slot];
      slot = (slot + 1) % kSlots;
    }
    if (m_colours.size() == 256) return -1;
    m_used[slot] = true;
    m_keys[slot] = colour;
    m_values[slot] = static_cast<std::uint8_t>(m_colours.size());
    m_colours.push_back({static_cast<std::uint8_t>(colour >> 16),
                         static_cast<std::uint8_t>(colour >> 8),
                         static_cast<std::uint8_t>(colour)});
    return m_values[slot];
  }
  std::vector<Rgb> take() { return std::move(m_colours); }

 private:
  static constexpr int kSlotBits = 10;
  static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
  std::array<std::uint32_t, kSlots> m_keys{};
  std::array<std::uint8_t, kSlots> m_values{};
  std::array<bool, kSlots> m_used{};
  std::vector<Rgb> m_colours;
};

std::uint32_t colourAt(const std::uint8_t* pixel) {
  return static_cast<std::uint32_t>(pixel[0]) << 16 | static_cast<std::uint32_t>(pixel[1]) << 8 |
         pixel[2];
}

// Indexes one row. A row, or a run of 16 pixels, equal to the one above takes its indices: a map
// is mostly the same from one row to the next.
bool indexRow(const std::uint8_t* pixels, const std::uint8_t* pixelsAbove, std::uint8_t* out,
              const std::uint8_t* outAbove, int width, ColourTable& table) {
  constexpr int kRun = 16;
  constexpr std::size_t kRunBytes = kRun * Bitmap::kBytesPerPixel;
  const auto width3 = static_cast<std::size_t>(width) * Bitmap::kBytesPerPixel;
  if (pixelsAbove != nullptr && std::memcmp(pixels, pixelsAbove, width3) == 0) {
    std::memcpy(out, outAbove, static_cast<std::size_t>(width));
    return true;
  }
  std::uint32_t lastColour = 0;
  int lastIndex = -1;
  for (int x = 0; x < width;) {
    if (pixelsAbove != nullptr && x + kRun <= width &&
        std::memcmp(pixels + x * Bitmap::kBytesPerPixel, pixelsAbove + x * Bitmap::kBytesPerPixel,
                    kRunBytes) == 0) {
      std::memcpy(out + x, outAbove + x, kRun);
      x += kRun;
      continue;
    }
    const int end = std::min(x + kRun, width);
    for (; x < end; ++x) {
      const std::uint32_t colour = colourAt(pixels + x * Bitmap::kBytesPerPixel);
      if (colour != lastColour || lastIndex < 0) {
        lastIndex = table.indexOf(colour);
        if (lastIndex < 0) return false;
        lastColour = colour;
      }
      out[x] = static_cast<std::uint8_t>(lastIndex);
    }
  }
  return true;
}

}  // namespace

std::optional<IndexedImage> indexColours(const Bitmap& bitmap) {
  IndexedImage image;
  image.width = bitmap.width();
  image.height = bitmap.height();
  image.indices.resize(static_cast<std::size_t>(image.width) *
                       static_cast<std::size_t>(image.height));
  ColourTable table;
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* out = image.indices.data() + static_cast<std::size_t>(y) * image.width;
    const bool first = y == 0;
    if (!indexRow(bitmap.row(y), first ? nullptr : bitmap.row(y - 1), out,
                  first ? nullptr : out - image.width, image.width, table)) {
      return std::nullopt;
    }
  }
  image.palette = table.take();
  return image;
}

}  // namespace delvora
