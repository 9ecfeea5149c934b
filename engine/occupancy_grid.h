#pragma once

#include <cstdint>
#include <vector>

namespace delvora {

// Which map pixels rooms and corridors cover, including their outlines and one column and row
// more than drawn. Column-major, so a column of a rectangle is one contiguous run of bytes.
class OccupancyGrid {
 public:
  static constexpr int kColumns = 1601;  // x = 0..1600
  static constexpr int kRows = 1201;     // y = 0..1200

  OccupancyGrid() : m_cells(static_cast<std::size_t>(kColumns) * kRows, 0) {}

  // Frees every cell with 0 <= x <= width and 0 <= y <= height and makes that the map area.
  void clear(int width, int height);

  int width() const { return m_width; }
  int height() const { return m_height; }

  // True when (x, y) lies in the map area (edges included) and is covered. Cells outside read
  // as free.
  bool covered(int x, int y) const {
    if (x < 0 || y < 0 || x > m_width || y > m_height) return false;
    return m_cells[index(x, y)] != 0;
  }

  // True when any cell of the closed rectangle left..right x top..bottom is covered.
  bool anyCovered(int left, int top, int right, int bottom) const;

  // Covers every cell of the closed rectangle (clipped to the map area).
  void mark(int left, int top, int right, int bottom);

 private:
  static std::size_t index(int x, int y) {
    return static_cast<std::size_t>(x) * kRows + static_cast<std::size_t>(y);
  }

  std::vector<std::uint8_t> m_cells;
  int m_width = 0;
  int m_height = 0;
};

}  // namespace delvora
