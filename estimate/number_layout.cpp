#include "number_layout.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

// The NaN that invalid operations produce on this platform (sign set, quiet
// bit set, no payload) has a text of its own.
constexpr std::uint64_t kIndefiniteNanBits = 0xFFF8000000000000;

// Forms switch by the exponent after both roundings.
constexpr std::int32_t kSmallestFixedExponent = -4;
constexpr std::int32_t kLargestFixedExponent = kShownDigits - 1;

std::size_t Copy(std::string_view text, NumberTextBuffer out) {
  std::memcpy(out.data(), text.data(), text.size());
  return text.size();
}

// "00" to "99": digits go out two at a time.
constexpr std::array<char, 200> MakeDigitPairs() {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}
constexpr std::array<char, 200> kDigitPairs = MakeDigitPairs();

void PutPair(std::uint32_t value, char* out) { std::memcpy(out, kDigitPairs.data() + 2 * std::size_t{value}, 2); }

// The 13 digits of significand, leading zeros included; digits beyond 13 are
// dropped. Split into 5 + 8 digits so that the work is 32-bit, and every pair
// is taken from its part directly, so that the divisions do not wait on one
// another.
std::array<char, kShownDigits> ShownDigitChars(std::uint64_t significand) {
  constexpr std::uint64_t kLowSplit = 100000000;  // 10^8
  const auto high = static_cast<std::uint32_t>(significand / kLowSplit % 100000);
  const auto low = static_cast<std::uint32_t>(significand % kLowSplit);
  std::array<char, kShownDigits> digits{};
  digits[0] = static_cast<char>('0' + high / 10000);
  PutPair(high / 100 % 100, digits.data() + 1);
  PutPair(high % 100, digits.data() + 3);
  PutPair(low / 1000000, digits.data() + 5);
  PutPair(low / 10000 % 100, digits.data() + 7);
  PutPair(low / 100 % 100, digits.data() + 9);
  PutPair(low % 100, digits.data() + 11);
  return digits;
}

}  // namespace

std::size_t LayOutDigits(bool negative, DecimalDigits shown, NumberTextBuffer out) {
  const std::array<char, kShownDigits> digits = ShownDigitChars(shown.significand);
  // Digits that matter: trailing zeros go, but the first digit always stays.
  std::size_t kept = kShownDigits;
  while (kept > 1 && digits[kept - 1] == '0') --kept;

  // Every form below is bounded by kMaxNumberTextLength (see its derivation),
  // so the writes need no position checks.
  char* const begin = out.data();
  char* at = begin;
  if (negative) *at++ = '-';
  const std::int32_t p = shown.exponent;

  if (p >= 0 && p <= kLargestFixedExponent) {
    const auto whole = static_cast<std::size_t>(p) + 1;
    std::memcpy(at, digits.data(), whole);
    at += whole;
    if (kept > whole) {
      *at++ = '.';
      std::memcpy(at, digits.data() + whole, kept - whole);
      at += kept - whole;
    }
    return static_cast<std::size_t>(at - begin);
  }
  if (p < 0 && p >= kSmallestFixedExponent) {
    const auto zeros = static_cast<std::size_t>(-p - 1);
    std::memcpy(at, "0.000", 2 + zeros);
    at += 2 + zeros;
    std::memcpy(at, digits.data(), kept);
    at += kept;
    return static_cast<std::size_t>(at - begin);
  }

  *at++ = digits[0];
  if (kept > 1) {
    *at++ = '.';
    std::memcpy(at, digits.data() + 1, kept - 1);
    at += kept - 1;
  }
  *at++ = 'e';
  *at++ = p < 0 ? '-' : '+';
  // Three digits always: the double range needs no more, and a larger
  // exponent must not overrun the buffer.
  const auto magnitude = static_cast<std::uint32_t>(p < 0 ? -static_cast<std::int64_t>(p) : p) % 1000;
  *at++ = static_cast<char>('0' + magnitude / 100);
  PutPair(magnitude % 100, at);
  at += 2;
  return static_cast<std::size_t>(at - begin);
}

std::size_t WriteNumberText(double x, NumberTextBuffer out) {
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const bool negative = (bits >> 63) != 0;
  const std::uint64_t exponent_field = (bits >> 52) & 0x7FF;
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);

  if (exponent_field == 0x7FF) {
    if (fraction == 0) return Copy(negative ? "-1.#INF" : "1.#INF", out);
    if (bits == kIndefiniteNanBits) return Copy("-1.#IND", out);
    return Copy(negative ? "-1.#QNAN" : "1.#QNAN", out);
  }
  if (exponent_field == 0 && fraction == 0) return Copy("0", out);  // -0 too: no sign

  return LayOutDigits(negative, RoundTo13Digits(RoundTo17Digits(x)), out);
}
