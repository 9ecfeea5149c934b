#pragma once

#include <cstdint>
#include <cstring>

namespace delvora {

// Calls visit(x) for every x below count where flags[x] is not 0, skipping zeros eight at a time:
// walls are few among the edges of a row.
template <typename Visit>
void forEachSet(const std::uint8_t* flags, int count, Visit visit) {
  int x = 0;
  for (; x + 8 <= count; x += 8) {
    std::uint64_t word;
    std::memcpy(&word, flags + x, sizeof word);
    if (word == 0) continue;
    for (int i = 0; i < 8; ++i) {
      if (flags[x + i] != 0) visit(x + i);
    }
  }
  for (; x < count; ++x) {
    if (flags[x] != 0) visit(x);
  }
}

}  // namespace delvora
