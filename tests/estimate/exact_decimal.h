// A slow, exact reference for writing doubles as text, kept apart from the
// code it checks: the full decimal expansion of a double computed with big
// integers, the 17-digit half-up rounding read off those digits, and a plain
// string-based formatter for the shown text. Used by the native comparison
// test and the fuzzer.
#pragma once

#include <cstdint>
#include <string>

#include "number_digits.h"

// |x| = 0.d1d2d3... * 10^(exponent + 1): every significant digit of a finite
// nonzero double, the first nonzero, no trailing zeros; exponent counts the
// first digit, as in DecimalDigits.
struct ExactDecimal {
  std::string digits;
  std::int32_t exponent = 0;
};

ExactDecimal ExpandExactly(double x);

// The 17-digit rounding of an exact expansion, half up. When the exact value
// lies within 2^-70 of the number of a point halfway between two 17-digit
// decimals, either neighbour is a correct answer: either_way is set and
// other_way holds the neighbour that half up did not choose.
struct ExactRounding {
  DecimalDigits half_up;
  DecimalDigits other_way;
  bool either_way = false;
};

ExactRounding RoundExactlyTo17Digits(const ExactDecimal& exact);

// The shown text of x built with plain string operations from 17 rounded
// digits: the 13-digit rounding by the 14th digit, fixed form for exponents
// -4..12, exponential otherwise, trailing zeros and bare point removed.
// x must be finite and nonzero.
std::string ReferenceText(double x, DecimalDigits rounded17);
