// First stage of reading a number: check the grammar and describe what was
// found, without computing any value. The rounding stage turns the
// description into a double.
//
// Grammar, after any blanks (tab, LF, VT, FF, CR, space) at the start:
//   [+|-] mantissa [exponent]
//   mantissa: digits [. digits-or-nothing] | . digits
//   exponent: (e|E|d|D) [+|-] digits
// The longest prefix of this form is read and the rest of the text ignored.
// Only ASCII digits count and the full stop is the only decimal point.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Exponents whose digits read more than this are taken as the cap.
inline constexpr std::int32_t kExponentLimit = 5200;
inline constexpr std::int32_t kExponentCap = kExponentLimit + 1;

struct DecimalToken {
  bool found = false;     // a mantissa was read; when false, the text holds no number
  bool negative = false;  // the number began with a minus sign
  // The mantissa's digits around the full stop, leading zeros included; the
  // views point into the tokenized text. Either may be empty, not both.
  std::string_view integer_digits;
  std::string_view fraction_digits;
  // The exponent's value with its sign, magnitude capped at kExponentCap;
  // 0 when there is none.
  std::int32_t exponent = 0;
  // Offset of the first byte after the number; 0 when none was found.
  std::size_t end = 0;
};

DecimalToken TokenizeDecimal(std::string_view text);
