#include "number_digits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstddef>

namespace {

constexpr std::uint64_t kPow10[] = {1,
                                    10,
                                    100,
                                    1000,
                                    10000,
                                    100000,
                                    1000000,
                                    10000000,
                                    100000000,
                                    1000000000,
                                    10000000000,
                                    100000000000,
                                    1000000000000,
                                    10000000000000,
                                    100000000000000,
                                    1000000000000000,
                                    10000000000000000,
                                    100000000000000000};

// The exact value's digits come from the standard library's correctly rounded
// scientific conversion, asked for 7 digits beyond the 17 we keep. Rounding
// half up on the 18th of those 24 digits decides as the exact value would,
// except where the exact tail after the 17th digit lies within half a unit of
// the 24th digit of one half: at most 5 parts in 10^24 of the number, far
// inside the 2^-70 (about 8.5e-22) that a halfway case may be taken either way.
// Exact halfway values, such as 2251799813685247.25, go up as half up asks
// (a 17-digit conversion would round them to even).
constexpr int kGuardDigits = 7;
constexpr int kConvertedDigits = kFirstRoundingDigits + kGuardDigits;

// "d." + 23 digits + "e" + sign + at most 3 exponent digits = 30.
constexpr std::size_t kScientificBufferSize = 32;

bool IsFiniteNonzero(double x) {
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const std::uint64_t exponent_field = (bits >> 52) & 0x7FF;
  const std::uint64_t magnitude = bits & ~(std::uint64_t{1} << 63);
  return exponent_field != 0x7FF && magnitude != 0;
}

double Magnitude(double x) {
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) & ~(std::uint64_t{1} << 63));
}

}  // namespace

DecimalDigits RoundTo17Digits(double x) {
  if (!IsFiniteNonzero(x)) return DecimalDigits{};

  std::array<char, kScientificBufferSize> text{};
  const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), Magnitude(x),
                                          std::chars_format::scientific, kConvertedDigits - 1);
  if (error != std::errc{}) return DecimalDigits{};  // cannot happen: the buffer fits the longest form

  // Layout: text[0] is the first digit, text[1] the point, text[2..24] the
  // other 23 digits, then 'e', the sign and the exponent.
  std::uint64_t significand = static_cast<std::uint64_t>(text[0] - '0');
  for (int i = 1; i < kFirstRoundingDigits; ++i)
    significand = significand * 10 + static_cast<std::uint64_t>(text[1 + i] - '0');
  const char next_digit = text[1 + kFirstRoundingDigits];

  const char* exponent_text = text.data() + 2 + (kConvertedDigits - 1) + 1;  // just after 'e'
  const bool negative_exponent = *exponent_text == '-';
  std::int32_t exponent = 0;
  std::from_chars(exponent_text + 1, end, exponent);
  if (negative_exponent) exponent = -exponent;

  if (next_digit >= '5') {
    ++significand;
    if (significand == kPow10[kFirstRoundingDigits]) {  // 99...9 carried into a new leading digit
      significand = kPow10[kFirstRoundingDigits - 1];
      ++exponent;
    }
  }
  return DecimalDigits{significand, exponent};
}

DecimalDigits RoundTo13Digits(DecimalDigits rounded17) {
  constexpr int kDropped = kFirstRoundingDigits - kShownDigits;
  std::uint64_t significand = rounded17.significand / kPow10[kDropped];
  const std::uint64_t first_dropped_digit = rounded17.significand / kPow10[kDropped - 1] % 10;
  std::int32_t exponent = rounded17.exponent;
  if (first_dropped_digit >= 5) {
    ++significand;
    if (significand == kPow10[kShownDigits]) {
      significand = kPow10[kShownDigits - 1];
      ++exponent;
    }
  }
  return DecimalDigits{significand, exponent};
}
