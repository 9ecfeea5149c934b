#pragma once

#include <cstdint>
#include <vector>

#include "engine/uninitialized_allocator.h"

namespace delvora {

// Which map pixels rooms and corridors cover, including their outlines and one column and row
// more than drawn. One bit a cell, row by row in 64-bit words, each row as many words as the map
// area needs: clearing the largest map touches 170 KB instead of 1.3 MB of bytes, and a test or
// mark of a rectangle is a few masked words a row.
class OccupancyGrid {
 public:
  static constexpr int kColumns = 1601;  // x = 0..1600
  static constexpr int kRows = 1201;     // y = 0..1200

  OccupancyGrid() : m_words(static_cast<std::size_t>(kWordsPerRow) * kRows) { clear(0, 0); }

  // Frees every cell with 0 <= x <= width and 0 <= y <= height and makes that the map area.
  void clear(int width, int height);

  int width() const { return m_width; }
  int height() const { return m_height; }

  // True when (x, y) lies in the map area (edges included) and is covered. Cells outside read
  // as free.
  bool covered(int x, int y) const {
    if (x < 0 || y < 0 || x > m_width || y > m_height) return false;
    return ((word(x, y) >> (x % kBitsPerWord)) & 1U) != 0;
  }

  // True when any cell of the closed rectangle left..right x top..bottom is covered.
  bool anyCovered(int left, int top, int right, int bottom) const;
  // True when every cell of the closed rectangle (at least one) is covered; cells outside the
  // map area count as free.
  bool allCovered(int left, int top, int right, int bottom) const;

  // Covers every cell of the closed rectangle (clipped to the map area).
  void mark(int left, int top, int right, int bottom);

 private:
  static constexpr int kBitsPerWord = 64;
  static constexpr int kWordsPerRow = (kColumns + kBitsPerWord - 1) / kBitsPerWord;

  std::uint64_t word(int x, int y) const { return rowWords(y)[x / kBitsPerWord]; }
  const std::uint64_t* rowWords(int y) const {
    return m_words.data() + static_cast<std::size_t>(y) * m_wordsPerRow;
  }
  std::uint64_t* rowWords(int y) {
    return m_words.data() + static_cast<std::size_t>(y) * m_wordsPerRow;
  }
  // Clips the rectangle to the map area; false when nothing is left.
  bool clip(int& left, int& top, int& right, int& bottom) const;

  std::vector<std::uint64_t, UninitializedAllocator<std::uint64_t>> m_words;
  int m_wordsPerRow = 1;
  int m_width = 0;
  int m_height = 0;
};

}  // namespace delvora
