// The layout stage of writing a number as text: characters from the 13 shown
// digits, into a buffer the caller owns. Nothing here allocates, and no
// terminating zero is written; the functions return the length.
#pragma once

#include <cstddef>
#include <span>

#include "number_digits.h"

// The longest text is the exponential form of a negative number:
//   "-"  "1"  "."  "234567890123"  "e-308"
//    1  + 1  + 1  +      12       +   5     = 20
// The exponent part is the letter, its sign and three digits: a double's
// exponent lies in -324..308, so it never needs a fourth. The fixed form is
// at most 19 ("-0.0001234567890123", exponent -4) and the special texts at
// most 8 ("-1.#QNAN").
inline constexpr std::size_t kMaxNumberTextLength = 20;

using NumberTextBuffer = std::span<char, kMaxNumberTextLength>;

// The text of a nonzero finite number from its shown digits (13 digits, see
// DecimalDigits): the fixed form when -4 <= exponent <= 12, the exponential
// form "d.dddddddddddde+XXX" otherwise, with the zeros at the end of the
// fraction and a bare point removed, and a minus sign when negative. Digits
// outside a double's range give a wrong text but never write past the buffer.
std::size_t LayOutDigits(bool negative, DecimalDigits shown, NumberTextBuffer out);

// The whole conversion of x: infinities and NaNs as "1.#INF", "-1.#INF",
// "-1.#IND" (the one NaN with bits FFF8000000000000) and "1.#QNAN"/"-1.#QNAN"
// by the sign bit; both zeros as "0"; every other number through the two
// roundings and LayOutDigits. Never empty.
std::size_t WriteNumberText(double x, NumberTextBuffer out);
