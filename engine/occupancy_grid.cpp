#include "engine/occupancy_grid.h"

#include <algorithm>
#include <cstring>

namespace delvora {

void OccupancyGrid::clear(int width, int height) {
  m_width = std::clamp(width, 0, kColumns - 1);
  m_height = std::clamp(height, 0, kRows - 1);
  for (int x = 0; x <= m_width; ++x) {
    std::memset(&m_cells[index(x, 0)], 0, static_cast<std::size_t>(m_height) + 1);
  }
}

bool OccupancyGrid::anyCovered(int left, int top, int right, int bottom) const {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, m_width);
  bottom = std::min(bottom, m_height);
  if (left > right || top > bottom) return false;
  const auto length = static_cast<std::size_t>(bottom - top) + 1;
  for (int x = left; x <= right; ++x) {
    if (std::memchr(&m_cells[index(x, top)], 1, length) != nullptr) return true;
  }
  return false;
}

void OccupancyGrid::mark(int left, int top, int right, int bottom) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, m_width);
  bottom = std::min(bottom, m_height);
  if (left > right || top > bottom) return;
  const auto length = static_cast<std::size_t>(bottom - top) + 1;
  for (int x = left; x <= right; ++x) std::memset(&m_cells[index(x, top)], 1, length);
}

}  // namespace delvora
