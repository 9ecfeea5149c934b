#pragma once

#include <cstdint>

namespace delvora {

// The one seeded generator every random choice of a dungeon is drawn from: a 32-bit linear
// congruential generator whose range mapping is our own, so dungeons are the same everywhere.
class RandomSource {
 public:
  explicit RandomSource(std::uint32_t state = 0) : m_state(state) {}

  // Advances the state, then returns the upper 32 bits of state * n with n read as an unsigned
  // 32-bit number: uniform over 0..n-1 for n > 0, and 0 for n = 0.
  std::int32_t Random(std::int32_t n) {
    m_state = m_state * kMultiplier + 1u;
    const std::uint64_t product =
        static_cast<std::uint64_t>(m_state) * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(product >> 32));
  }

  std::uint32_t state() const { return m_state; }
  void setState(std::uint32_t state) { m_state = state; }

 private:
  static constexpr std::uint32_t kMultiplier = 134775813u;  // 0x08088405
  std::uint32_t m_state;
};

}  // namespace delvora
