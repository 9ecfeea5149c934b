#include "engine/random_source.h"

#include <gtest/gtest.h>

namespace delvora {
namespace {

TEST(RandomSource, FirstDrawFromZeroMovesStateToOne) {
  RandomSource random(0);
  EXPECT_EQ(random.Random(100), 0);
  EXPECT_EQ(random.state(), 1u);
}

TEST(RandomSource, DeliveredSeedGivesKnownDraws) {
  RandomSource random(66205318);
  EXPECT_EQ(random.Random(100), 85);
  EXPECT_EQ(random.Random(100), 74);
  EXPECT_EQ(random.Random(100), 49);
}

TEST(RandomSource, DegenerateRangesStillAdvance) {
  RandomSource random(12345);
  const std::uint32_t expected = 12345u * 134775813u + 1u;
  EXPECT_EQ(random.Random(1), 0);
  EXPECT_EQ(random.state(), expected);
  EXPECT_EQ(random.Random(0), 0);
  EXPECT_EQ(random.state(), expected * 134775813u + 1u);
}

TEST(RandomSource, NegativeRangeReadsAsUnsigned) {
  // The range is taken as an unsigned 32-bit number, as the generator has always done.
  RandomSource a(7);
  RandomSource b(7);
  const auto viaNegative = static_cast<std::uint32_t>(a.Random(-2));
  b.Random(1);
  const std::uint64_t product = static_cast<std::uint64_t>(b.state()) * 0xFFFFFFFEu;
  EXPECT_EQ(viaNegative, static_cast<std::uint32_t>(product >> 32));
}

TEST(RandomSource, DrawsStayInRange) {
  RandomSource random(99);
  for (int n : {2, 3, 7, 100, 5999}) {
    for (int i = 0; i < 1000; ++i) {
      const int value = random.Random(n);
      ASSERT_GE(value, 0) << "n=" << n;
      ASSERT_LT(value, n) << "n=" << n;
    }
  }
}

}  // namespace
}  // namespace delvora
