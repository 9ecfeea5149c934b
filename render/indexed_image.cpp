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

// An earlier row whose pixels, where equal, give this row its indices.
struct EarlierRow {
  const std::uint8_t* pixels = nullptr;
  const std::uint8_t* indices = nullptr;
};

// Indexes one row. A run of 16 pixels equal to the same run of the row above, or of the row 16
// above (the background and the grid repeat every 16 rows), takes its indices from there: a map
// is mostly the same from one row to the next, and only its edges are looked up pixel by pixel.
bool indexRow(const std::uint8_t* pixels, std::uint8_t* out, const EarlierRow (&earlier)[2],
              int width, ColourTable& table) {
  constexpr int kRun = 16;
  constexpr std::size_t kRunBytes = std::size_t{kRun} * Bitmap::kBytesPerPixel;
  const auto rowBytes = static_cast<std::size_t>(width) * Bitmap::kBytesPerPixel;
  if (earlier[0].pixels != nullptr && std::memcmp(pixels, earlier[0].pixels, rowBytes) == 0) {
    std::memcpy(out, earlier[0].indices, static_cast<std::size_t>(width));
    return true;
  }
  std::uint32_t lastColour = 0;
  int lastIndex = -1;
  for (int x = 0; x < width;) {
    const std::size_t at = static_cast<std::size_t>(x) * Bitmap::kBytesPerPixel;
    const EarlierRow* same = nullptr;
    for (const EarlierRow& row : earlier) {
      if (row.pixels != nullptr && x + kRun <= width &&
          std::memcmp(pixels + at, row.pixels + at, kRunBytes) == 0) {
        same = &row;
        break;
      }
    }
    if (same != nullptr) {
      std::memcpy(out + x, same->indices + x, kRun);
      x += kRun;
      continue;
    }
    const int end = std::min(x + kRun, width);
    for (; x < end; ++x) {
      const std::uint32_t colour =
          colourAt(pixels + static_cast<std::size_t>(x) * Bitmap::kBytesPerPixel);
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
  constexpr int kPeriod = 16;
  for (int y = 0; y < image.height; ++y) {
    const auto earlierRow = [&](int distance) {
      if (y < distance) return EarlierRow{};
      return EarlierRow{bitmap.row(y - distance), image.row(y - distance)};
    };
    const EarlierRow earlier[2] = {earlierRow(1), earlierRow(kPeriod)};
    std::uint8_t* out = image.indices.data() + static_cast<std::size_t>(y) * image.width;
    if (!indexRow(bitmap.row(y), out, earlier, image.width, table)) return std::nullopt;
  }
  image.palette = table.take();
  return image;
}

}  // namespace delvora
