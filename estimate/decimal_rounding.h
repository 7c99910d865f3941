// Second stage of reading a number: the double nearest to the decimal value a
// token describes, rounded to nearest with ties to even.
#pragma once

#include "decimal_token.h"

// With D = M * 10^(exponent - fraction digits), M the mantissa's digits:
// - no number found: +0;
// - M == 0: a zero with the token's sign;
// - otherwise the double nearest to D with the token's sign, subnormals
//   included; beyond the midpoint between the largest double and 2^1024 an
//   infinity, below 2^-1075 (half the smallest subnormal) a zero.
// The first kSignificantDigits digits of M count exactly; any further nonzero
// digit only tells that D lies above them. That moves D by less than one part
// in 10^23, so only a D within that of a midpoint of two doubles can round
// differently from an exact reading, and there either neighbour is right.
double RoundDecimal(const DecimalToken& token);

inline constexpr int kSignificantDigits = 24;
