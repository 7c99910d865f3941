#include "number_digits.h"

#include <bit>

#include "powers_of_ten.h"
#include "wide_multiply.h"

namespace {

constexpr std::uint64_t Pow10(int n) {
  std::uint64_t power = 1;
  for (int i = 0; i < n; ++i) power *= 10;
  return power;
}

// The first rounding scales |x| by a tabled power of ten so that 17 digits
// stand before the binary point, then rounds by the first bit after it. The
// power is short of the truth by less than one part in 2^126, so only values
// within about one part in 2^120 of a point halfway between two 17-digit
// decimals can round the other way, far inside the 2^-70 that either way is
// allowed for. Such values never change the shown text either: a double that
// lies exactly halfway between two 17-digit decimals has 18 significant
// digits ending in 25 or 75. (It is m / 2^k with m odd: odd integers and
// halves of odd integers below 2^53 have at most 17 digits, so k >= 2, and
// the digits are those of m * 5^k, where 5^k ends in 25.) The 17th digit is
// then 2 or 7, and going either way moves only that digit, never the 14th
// that the second rounding looks at: 2251799813685247.25 gives
// 22517998136852472 or 22517998136852473, and 2.251799813685e+015 is shown
// either way.

// A finite nonzero |x| as significand * 2^exponent, the significand's top
// bit set (subnormals are shifted up like any other).
struct BinaryValue {
  std::uint64_t significand;
  int exponent;
};

BinaryValue Decompose(std::uint64_t bits) {
  constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
  const auto exponent_field = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & kFractionMask;
  // Normal: (2^52 + fraction) * 2^(field - 1075); subnormal: fraction * 2^-1074.
  const std::uint64_t integer = exponent_field != 0 ? fraction | (kFractionMask + 1) : fraction;
  const int exponent = exponent_field != 0 ? exponent_field - 1075 : -1074;
  const int shift = std::countl_zero(integer);
  return BinaryValue{integer << shift, exponent - shift};
}

// floor(log10(2^e)) from a fixed-point log10(2) = 78913 / 2^18, exact for
// every binary exponent of a double.
constexpr int FloorLog10OfPowerOfTwo(int e) { return (e * 78913) >> 18; }

// v * 10^q, cut after the first bit below its units: the integer part and
// whether the rest is at least one half.
struct ScaledValue {
  std::uint64_t integer;
  bool at_least_half;
};

ScaledValue Scale(const BinaryValue& v, int q) {
  const PowerOfTenSignificand& power = PowerOfTen(q);
  // The top 64 of the product's 192 bits.
  const Product128 by_high = Multiply64(v.significand, power.high);
  const Product128 by_low = Multiply64(v.significand, power.low);
  const std::uint64_t middle = by_high.low + by_low.high;
  const std::uint64_t top = by_high.high + (middle < by_high.low ? 1 : 0);
  // v * 10^q = top * 2^(128 + v.exponent + binary exponent) + less than that
  // power of two. With the scaled value between 10^16 and 2 * 10^17 and the
  // product between 2^190 and 2^192, the units bit lies 5 to 10 bits up.
  const int units_bit = -(128 + v.exponent + PowerOfTenBinaryExponent(q));
  return ScaledValue{top >> units_bit, ((top >> (units_bit - 1)) & 1) != 0};
}

}  // namespace

DecimalDigits RoundTo17Digits(double x) {
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const std::uint64_t magnitude = bits & ~(std::uint64_t{1} << 63);
  if (magnitude == 0 || (magnitude >> 52) == 0x7FF) return DecimalDigits{};

  constexpr std::uint64_t kLowest = Pow10(kFirstRoundingDigits - 1);
  constexpr std::uint64_t kBeyond = Pow10(kFirstRoundingDigits);
  const BinaryValue v = Decompose(magnitude);
  // |x| lies in [2^e, 2^(e+1)) with e = 63 + v.exponent, and 10^exponent <=
  // 2^e < 10^(exponent + 1): scaled to 17 digits, |x| lands in [10^16,
  // 2 * 10^17), and one more digit comes off when it lands at 10^17 or above.
  std::int32_t exponent = FloorLog10OfPowerOfTwo(63 + v.exponent);
  ScaledValue scaled = Scale(v, kFirstRoundingDigits - 1 - exponent);
  if (scaled.integer >= kBeyond) {
    ++exponent;
    scaled = Scale(v, kFirstRoundingDigits - 1 - exponent);
  }
  std::uint64_t significand = scaled.integer + (scaled.at_least_half ? 1 : 0);
  if (significand == kBeyond) {  // 9.99...95 and above carries out of the first digit
    significand = kLowest;
    ++exponent;
  }
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
