// The powers of ten that a double holds exactly: 10^k = 5^k * 2^k, and 5^k
// fits in the 53-bit significand up to k = 22 (5^22 < 2^53 < 5^23).
#pragma once

#include <array>

inline constexpr int kLargestExactPowerOfTen = 22;

inline constexpr std::array<double, kLargestExactPowerOfTen + 1> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};
