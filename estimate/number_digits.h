// The digits stage of writing a number as text: the decimal digits and the
// exponent, before any character is laid out. Two roundings follow each other:
// the exact value to 17 significant digits, then those 17 digits to the 13
// that are shown. Both round half up (values next to a halfway point of the
// first aside, see RoundTo17Digits), and they are never merged into one
// rounding of the exact value: the shown digits are those of the 17-digit
// rounding, so 1.00000000000449995596... (17 digits 1.0000000000045000)
// shows as 1.000000000005.
#pragma once

#include <cstdint>

// significand * 10^(exponent - (digit count - 1)). The significand always has
// exactly the stage's digit count (17 or 13), trailing zeros included, so that
// the first digit counts 10^exponent: 175 is {17500000000000000, 2} after the
// first rounding and {1750000000000, 2} after the second; 0.25 has exponent -1.
struct DecimalDigits {
  std::uint64_t significand = 0;
  std::int32_t exponent = 0;

  bool operator==(const DecimalDigits&) const = default;
};

inline constexpr int kFirstRoundingDigits = 17;
inline constexpr int kShownDigits = 13;

// |x| rounded to 17 significant digits, to the nearer neighbour; a carry out
// of the first digit gives 10^16 and raises the exponent. A value within one
// part in 2^120 of the point halfway between two neighbours may go to either,
// which never changes the 13 shown digits (see the .cpp). Zero, infinities
// and NaNs have no digits: they give {0, 0}.
DecimalDigits RoundTo17Digits(double x);

// The 17 digits rounded to 13, half up by the 14th digit alone; a carry out of
// the first digit gives 10^12 and raises the exponent.
DecimalDigits RoundTo13Digits(DecimalDigits rounded17);
