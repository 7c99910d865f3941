#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "wide_multiply.h"

namespace {

TEST(WideMultiply, KnownProducts) {
  constexpr std::uint64_t kMax = ~std::uint64_t{0};
  // (2^64 - 1)^2 = 2^128 - 2^65 + 1: every column carries.
  EXPECT_EQ(Multiply64(kMax, kMax), (Product128{kMax - 1, 1}));
  EXPECT_EQ(Multiply64ByHalves(kMax, kMax), (Product128{kMax - 1, 1}));
  EXPECT_EQ(Multiply64ByHalves(std::uint64_t{1} << 63, 2), (Product128{1, 0}));
  EXPECT_EQ(Multiply64ByHalves(0xFFFFFFFF, 0xFFFFFFFF), (Product128{0, 0xFFFFFFFE00000001}));
  EXPECT_EQ(Multiply64ByHalves(0, kMax), (Product128{0, 0}));
}

// The halves are what the 32-bit build runs; here they meet the 64-bit
// targets' own product.
TEST(WideMultiply, HalvesAgreeWithTheFullProduct) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 100000; ++i) {
    // Mostly full-width words, sometimes ones with long runs of set bits.
    const std::uint64_t a = i % 4 == 0 ? random() | 0xFFFFFFFF00000000 : random();
    const std::uint64_t b = i % 8 == 0 ? random() | 0x00000000FFFFFFFF : random();
    ASSERT_EQ(Multiply64ByHalves(a, b), Multiply64(a, b)) << std::hex << a << " * " << b;
  }
}

}  // namespace
