#include "number_digits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstddef>

namespace {

constexpr std::uint64_t Pow10(int n) {
  std::uint64_t power = 1;
  for (int i = 0; i < n; ++i) power *= 10;
  return power;
}

// The first rounding is the standard library's correctly rounded scientific
// conversion to 17 significant digits. It rounds exactly halfway values to
// even where half up would raise them; every other value it rounds as half up
// does. Taking exact ties either way is allowed, and it never changes the
// shown text: a double that lies exactly halfway between two 17-digit
// decimals has 18 significant digits ending in 25 or 75. (It is m / 2^k with m
// odd: odd integers and halves of odd integers below 2^53 have at most 17
// digits, so k >= 2, and the digits are those of m * 5^k, where 5^k ends in
// 25.) The 17th digit is then 2 or 7, and going either way moves only that
// digit, never the 14th that the second rounding looks at: 2251799813685247.25
// gives 22517998136852472 here, and 2.251799813685e+015 is shown either way.

// "d." + 16 digits + "e" + sign + at most 3 exponent digits = 23.
constexpr std::size_t kScientificBufferSize = 24;

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

  // Left uninitialised: to_chars writes every byte that is read below.
  std::array<char, kScientificBufferSize> text;
  const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), Magnitude(x),
                                          std::chars_format::scientific, kFirstRoundingDigits - 1);
  if (error != std::errc{}) return DecimalDigits{};  // cannot happen: the buffer fits the longest form

  // Layout: text[0] is the first digit, text[1] the point, text[2..17] the
  // other 16 digits, then 'e', the exponent's sign and its 2 or 3 digits. A
  // carry out of the first digit is already done: 9.99...95 comes as 1.0e+01.
  auto significand = static_cast<std::uint64_t>(text[0] - '0');
  for (std::size_t i = 2; i <= static_cast<std::size_t>(kFirstRoundingDigits); ++i) {
    significand = significand * 10 + static_cast<std::uint64_t>(text[i] - '0');
  }
  constexpr std::size_t kExponentSign = static_cast<std::size_t>(kFirstRoundingDigits) + 2;  // just after 'e'
  std::int32_t exponent = 0;
  for (const char* digit = text.data() + kExponentSign + 1; digit < end; ++digit) {
    exponent = exponent * 10 + (*digit - '0');
  }
  if (text[kExponentSign] == '-') exponent = -exponent;
  return DecimalDigits{significand, exponent};
}

DecimalDigits RoundTo13Digits(DecimalDigits rounded17) {
  constexpr int kDropped = kFirstRoundingDigits - kShownDigits;
  std::uint64_t significand = rounded17.significand / Pow10(kDropped);
  const std::uint64_t first_dropped_digit = rounded17.significand / Pow10(kDropped - 1) % 10;
  std::int32_t exponent = rounded17.exponent;
  if (first_dropped_digit >= 5) {
    ++significand;
    if (significand == Pow10(kShownDigits)) {
      significand = Pow10(kShownDigits - 1);
      ++exponent;
    }
  }
  return DecimalDigits{significand, exponent};
}
