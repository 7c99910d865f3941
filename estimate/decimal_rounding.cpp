#include "decimal_rounding.h"

#include <cfloat>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

#include "exact_powers_of_ten.h"

namespace {

// Decimal exponents of the leading digit beyond which the answer is known
// without rounding: 10^309 lies above the largest double (about 1.8e308), and
// anything below 10^-325 lies below 2^-1075 (about 2.5e-324).
constexpr std::int64_t kOverflowScientific = 309;
constexpr std::int64_t kUnderflowScientific = -326;

// The mantissa's digits, integer part then fraction, as one sequence.
class Digits {
 public:
  explicit Digits(const DecimalToken& token) : integer_(token.integer_digits), fraction_(token.fraction_digits) {}
  std::size_t Size() const { return integer_.size() + fraction_.size(); }
  char At(std::size_t i) const { return i < integer_.size() ? integer_[i] : fraction_[i - integer_.size()]; }

 private:
  std::string_view integer_;
  std::string_view fraction_;
};

// M without its leading and trailing zeros, as digits first..last, and the
// power of ten that scales them: D = digits * 10^power.
struct Significand {
  std::size_t first = 0;
  std::size_t count = 0;   // 0 when M is 0
  std::int64_t power = 0;  // cannot overflow: texts are far shorter than 2^62
};

Significand TrimZeros(const Digits& digits, const DecimalToken& token) {
  Significand s;
  const std::size_t size = digits.Size();
  while (s.first < size && digits.At(s.first) == '0') ++s.first;
  if (s.first == size) return s;
  std::size_t last = size - 1;
  while (digits.At(last) == '0') --last;
  s.count = last - s.first + 1;
  const auto trailing_zeros = static_cast<std::int64_t>(size - 1 - last);
  s.power = token.exponent - static_cast<std::int64_t>(token.fraction_digits.size()) + trailing_zeros;
  return s;
}

double WithSign(double magnitude, bool negative) { return negative ? -magnitude : magnitude; }

// Up to 19 digits always fit a 64-bit integer.
constexpr std::size_t kDigitsInUint64 = 19;

std::uint64_t Accumulate(std::uint64_t m, std::string_view digits) {
  for (const char c : digits) m = m * 10 + static_cast<std::uint64_t>(c - '0');
  return m;
}

// A short integer scaled by an exact power of ten: one correctly rounded
// multiplication or division gives the nearest double. This needs each
// operation rounded straight to double, which an x87 with 64-bit intermediate
// precision does not do; there every value takes the general road.
bool TryExactScaling(std::uint64_t m, std::int64_t power, double& magnitude) {
#if FLT_EVAL_METHOD == 0
  constexpr std::uint64_t kExactIntegerLimit = std::uint64_t{1} << 53;
  if (m > kExactIntegerLimit || power < -kLargestExactPowerOfTen || power > kLargestExactPowerOfTen) return false;
  const auto exact_m = static_cast<double>(m);
  const auto index = static_cast<std::size_t>(power < 0 ? -power : power);
  magnitude = power < 0 ? exact_m / kExactPowersOfTen[index] : exact_m * kExactPowersOfTen[index];
  return true;
#else
  (void)m;
  (void)power;
  (void)magnitude;
  return false;
#endif
}

// The general road: a short canonical text "d.ddd...e-x" with the first
// kSignificantDigits digits and, when more digits follow, one more digit 1
// standing for all of them, read by the correctly rounded standard reader.
// The trimmed significand ends in a nonzero digit, so any dropped tail is
// nonzero and the digit 1 keeps D on the right side of every midpoint that
// the kept digits can express.
double RoundThroughCanonicalText(const Digits& digits, const Significand& s, std::int64_t scientific) {
  // Leading digit, point, kSignificantDigits - 1 digits, sticky digit, 'e',
  // sign and 3 exponent digits (-325 <= scientific <= 308 here): 31 bytes.
  constexpr std::size_t kCapacity = kSignificantDigits + 7;
  char text[kCapacity];
  std::size_t n = 0;
  const std::size_t kept = s.count < kSignificantDigits ? s.count : kSignificantDigits;
  text[n++] = digits.At(s.first);
  text[n++] = '.';
  for (std::size_t i = 1; i < kept; ++i) text[n++] = digits.At(s.first + i);
  if (s.count > kept) text[n++] = '1';
  text[n++] = 'e';
  const auto written = std::to_chars(text + n, text + kCapacity, scientific);
  double magnitude = 0;
  const auto read = std::from_chars(text, written.ptr, magnitude);
  // Out of range means the nearest double is an infinity or a zero; the
  // reader leaves the value alone then, so it is set here.
  if (read.ec == std::errc::result_out_of_range) {
    magnitude = scientific > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return magnitude;
}

}  // namespace

double RoundDecimal(const DecimalToken& token) {
  if (!token.found) return 0.0;
  const std::size_t digit_count = token.integer_digits.size() + token.fraction_digits.size();
  if (digit_count <= kDigitsInUint64) {
    // The common case, a few digits: no trimming needed, leading and trailing
    // zeros are simply part of the integer.
    const std::uint64_t m = Accumulate(Accumulate(0, token.integer_digits), token.fraction_digits);
    if (m == 0) return WithSign(0.0, token.negative);
    const std::int64_t power = token.exponent - static_cast<std::int64_t>(token.fraction_digits.size());
    double magnitude = 0;
    if (TryExactScaling(m, power, magnitude)) return WithSign(magnitude, token.negative);
    // 1 <= m < 10^19 bounds D without looking at the digits again.
    if (power >= kOverflowScientific) return WithSign(std::numeric_limits<double>::infinity(), token.negative);
    if (power + static_cast<std::int64_t>(kDigitsInUint64) <= kUnderflowScientific) {
      return WithSign(0.0, token.negative);
    }
  }

  const Digits digits(token);
  const Significand s = TrimZeros(digits, token);
  if (s.count == 0) return WithSign(0.0, token.negative);

  // D lies in [10^scientific, 10^(scientific+1)).
  const std::int64_t scientific = s.power + static_cast<std::int64_t>(s.count) - 1;
  if (scientific >= kOverflowScientific) return WithSign(std::numeric_limits<double>::infinity(), token.negative);
  if (scientific <= kUnderflowScientific) return WithSign(0.0, token.negative);
  return WithSign(RoundThroughCanonicalText(digits, s, scientific), token.negative);
}
