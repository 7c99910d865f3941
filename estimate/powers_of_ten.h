// Powers of ten as 128-bit binary significands: enough to scale any finite
// double to a given number of decimal digits with two 64-bit multiplications
// and to know the result to far better than one part in 2^70.
#pragma once

#include <cstdint>

// 10^q is about (high * 2^64 + low) * 2^PowerOfTenBinaryExponent(q), with the
// top bit of high set. The significand is never above the true value and
// lies within one part in 2^126 of it; it is exact while 10^q fits 128 bits.
struct PowerOfTenSignificand {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
};

// Every power the 17-digit rounding can ask for: 10^(16 - k) for decimal
// exponents k of doubles, from -324 (the smallest subnormal, about 4.9e-324)
// to 308 (the largest double, about 1.8e308).
inline constexpr int kSmallestTabledPowerOfTen = 16 - 308;
inline constexpr int kLargestTabledPowerOfTen = 16 - (-324);

// q must lie in [kSmallestTabledPowerOfTen, kLargestTabledPowerOfTen].
const PowerOfTenSignificand& PowerOfTen(int q);

// floor(q * log2(10)) - 127, from a fixed-point log2(10) = 1741647 / 2^19;
// checked against the table over its whole range when the table is built.
constexpr int PowerOfTenBinaryExponent(int q) { return ((q * 1741647) >> 19) - 127; }
