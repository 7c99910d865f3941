// The full 128-bit product of two 64-bit integers. Compilers for 64-bit
// targets have a 128-bit integer type that does this in one instruction;
// 32-bit targets have none, and there it is put together from 32-bit halves.
#pragma once

#include <cstdint>

struct Product128 {
  std::uint64_t high = 0;
  std::uint64_t low = 0;

  bool operator==(const Product128&) const = default;
};

// Four 32 x 32-bit products added by columns. Always compiled, so that the
// 64-bit builds' tests check what the 32-bit build runs.
constexpr Product128 Multiply64ByHalves(std::uint64_t a, std::uint64_t b) {
  constexpr std::uint64_t kLow32 = 0xFFFFFFFF;
  const std::uint64_t low_low = (a & kLow32) * (b & kLow32);
  const std::uint64_t low_high = (a & kLow32) * (b >> 32);
  const std::uint64_t high_low = (a >> 32) * (b & kLow32);
  const std::uint64_t high_high = (a >> 32) * (b >> 32);
  // The middle column: at most 3 * (2^32 - 1), which fits 64 bits.
  const std::uint64_t middle = (low_low >> 32) + (low_high & kLow32) + (high_low & kLow32);
  return Product128{high_high + (low_high >> 32) + (high_low >> 32) + (middle >> 32),
                    (middle << 32) | (low_low & kLow32)};
}

inline Product128 Multiply64(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
  __extension__ using Uint128 = unsigned __int128;
  const Uint128 product = static_cast<Uint128>(a) * b;
  return Product128{static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
#else
  return Multiply64ByHalves(a, b);
#endif
}
