#include "number_layout.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

namespace {

// The NaN that invalid operations produce on this platform (sign set, quiet
// bit set, no payload) has a text of its own.
constexpr std::uint64_t kIndefiniteNanBits = 0xFFF8000000000000;

// Forms switch by the exponent after both roundings.
constexpr std::int32_t kSmallestFixedExponent = -4;
constexpr std::int32_t kLargestFixedExponent = kShownDigits - 1;

std::size_t Copy(std::string_view text, NumberTextBuffer out) {
  for (std::size_t i = 0; i < text.size(); ++i) out[i] = text[i];
  return text.size();
}

// Writes bytes one after another; the callers' forms are bounded by
// kMaxNumberTextLength, so no position check is needed.
class TextWriter {
 public:
  explicit TextWriter(NumberTextBuffer out) : out_(out) {}
  void Put(char c) { out_[length_++] = c; }
  void Put(const char* digits, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Put(digits[i]);
  }
  std::size_t length() const { return length_; }

 private:
  NumberTextBuffer out_;
  std::size_t length_ = 0;
};

}  // namespace

std::size_t LayOutDigits(bool negative, DecimalDigits shown, NumberTextBuffer out) {
  std::array<char, kShownDigits> digits{};
  std::uint64_t rest = shown.significand;
  for (int i = kShownDigits - 1; i >= 0; --i) {
    digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  // Digits that matter: trailing zeros go, but the first digit always stays.
  std::size_t kept = kShownDigits;
  while (kept > 1 && digits[kept - 1] == '0') --kept;

  TextWriter text(out);
  if (negative) text.Put('-');
  const std::int32_t p = shown.exponent;

  if (p >= 0 && p <= kLargestFixedExponent) {
    const auto whole = static_cast<std::size_t>(p) + 1;
    text.Put(digits.data(), whole);
    if (kept > whole) {
      text.Put('.');
      text.Put(digits.data() + whole, kept - whole);
    }
    return text.length();
  }
  if (p < 0 && p >= kSmallestFixedExponent) {
    text.Put('0');
    text.Put('.');
    for (std::int32_t i = p + 1; i < 0; ++i) text.Put('0');
    text.Put(digits.data(), kept);
    return text.length();
  }

  text.Put(digits[0]);
  if (kept > 1) {
    text.Put('.');
    text.Put(digits.data() + 1, kept - 1);
  }
  text.Put('e');
  text.Put(p < 0 ? '-' : '+');
  // Three digits always: the double range needs no more, and a larger
  // exponent must not overrun the buffer.
  const auto magnitude = static_cast<std::uint32_t>(p < 0 ? -static_cast<std::int64_t>(p) : p);
  text.Put(static_cast<char>('0' + magnitude / 100 % 10));
  text.Put(static_cast<char>('0' + magnitude / 10 % 10));
  text.Put(static_cast<char>('0' + magnitude % 10));
  return text.length();
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
