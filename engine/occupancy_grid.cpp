#include "engine/occupancy_grid.h"

#include <algorithm>
#include <cstring>

namespace delvora {

namespace {

// The bits of one word that columns first..last (both within the word, 0..63) cover.
std::uint64_t spanMask(int first, int last) {
  const std::uint64_t upToLast =
      last == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (last + 1)) - 1;
  return upToLast & (~std::uint64_t{0} << first);
}

}  // namespace

void OccupancyGrid::clear(int width, int height) {
  m_width = std::clamp(width, 0, kColumns - 1);
  m_height = std::clamp(height, 0, kRows - 1);
  m_wordsPerRow = m_width / kBitsPerWord + 1;
  std::memset(m_words.data(), 0,
              static_cast<std::size_t>(m_height + 1) * m_wordsPerRow * sizeof(std::uint64_t));
}

bool OccupancyGrid::clip(int& left, int& top, int& right, int& bottom) const {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, m_width);
  bottom = std::min(bottom, m_height);
  return left <= right && top <= bottom;
}

bool OccupancyGrid::anyCovered(int left, int top, int right, int bottom) const {
  if (!clip(left, top, right, bottom)) return false;
  const int firstWord = left / kBitsPerWord;
  const int lastWord = right / kBitsPerWord;
  const std::uint64_t firstMask = spanMask(left % kBitsPerWord, 63);
  const std::uint64_t lastMask = spanMask(0, right % kBitsPerWord);
  const auto rowCovered = [&](int y) {
    const std::uint64_t* row = rowWords(y);
    if (firstWord == lastWord) return (row[firstWord] & firstMask & lastMask) != 0;
    std::uint64_t any = (row[firstWord] & firstMask) | (row[lastWord] & lastMask);
    for (int w = firstWord + 1; w < lastWord; ++w) any |= row[w];
    return any != 0;
  };
  for (int y = top; y <= bottom; ++y) {
    if (rowCovered(y)) return true;
  }
  return false;
}

bool OccupancyGrid::allCovered(int left, int top, int right, int bottom) const {
  if (left > right || top > bottom) return false;
  if (left < 0 || top < 0 || right > m_width || bottom > m_height) return false;
  const int firstWord = left / kBitsPerWord;
  const int lastWord = right / kBitsPerWord;
  const std::uint64_t firstMask = spanMask(left % kBitsPerWord, 63);
  const std::uint64_t lastMask = spanMask(0, right % kBitsPerWord);
  for (int y = top; y <= bottom; ++y) {
    const std::uint64_t* row = rowWords(y);
    if (firstWord == lastWord) {
      if ((row[firstWord] & firstMask & lastMask) != (firstMask & lastMask)) return false;
      continue;
    }
    if ((row[firstWord] & firstMask) != firstMask || (row[lastWord] & lastMask) != lastMask) {
      return false;
    }
    for (int w = firstWord + 1; w < lastWord; ++w) {
      if (row[w] != ~std::uint64_t{0}) return false;
    }
  }
  return true;
}

void OccupancyGrid::mark(int left, int top, int right, int bottom) {
  if (!clip(left, top, right, bottom)) return;
  const int firstWord = left / kBitsPerWord;
  const int lastWord = right / kBitsPerWord;
  const std::uint64_t firstMask = spanMask(left % kBitsPerWord, 63);
  const std::uint64_t lastMask = spanMask(0, right % kBitsPerWord);
  for (int y = top; y <= bottom; ++y) {
    std::uint64_t* row = rowWords(y);
    if (firstWord == lastWord) {
      row[firstWord] |= firstMask & lastMask;
      continue;
    }
    row[firstWord] |= firstMask;
    for (int w = firstWord + 1; w < lastWord; ++w) row[w] = ~std::uint64_t{0};
    row[lastWord] |= lastMask;
  }
}

}  // namespace delvora
