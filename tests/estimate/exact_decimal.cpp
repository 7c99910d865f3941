#include "exact_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// An unsigned big integer in base 10^9 limbs, least significant first.
class BigDecimal {
 public:
  explicit BigDecimal(std::uint64_t value) {
    do {
      limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
      value /= kBase;
    } while (value != 0);
  }

  // factor < 2^32, so limb * factor + carry stays below 2^64.
  void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product % kBase);
      carry = product / kBase;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
      carry /= kBase;
    }
  }

  std::string ToString() const {
    std::string text = std::to_string(limbs_.back());
    for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
      const std::string part = std::to_string(*it);
      text.append(9 - part.size(), '0');
      text += part;
    }
    return text;
  }

 private:
  static constexpr std::uint64_t kBase = 1000000000;
  std::vector<std::uint32_t> limbs_;
};

// Adds one unit to the last digit of a digit string; "99" becomes "100".
std::string Increment(std::string digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return digits;
    }
    *it = '0';
  }
  return "1" + digits;
}

DecimalDigits FromDigitString(const std::string& digits, std::int32_t exponent) {
  // A carry makes the string one digit longer: the value is then 10^n.
  if (digits.size() > static_cast<std::size_t>(kFirstRoundingDigits)) {
    return DecimalDigits{std::stoull(digits.substr(0, kFirstRoundingDigits)), exponent + 1};
  }
  return DecimalDigits{std::stoull(digits), exponent};
}

}  // namespace

ExactDecimal ExpandExactly(double x) {
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const auto biased = static_cast<std::int32_t>((bits >> 52) & 0x7FF);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  std::int32_t binary_exponent = -1074;
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    binary_exponent = biased - 1075;
  }

  // |x| = mantissa * 2^binary_exponent. A negative power of two becomes
  // mantissa * 5^k / 10^k, so both cases are an integer times a power of ten.
  BigDecimal n(mantissa);
  std::int32_t decimal_shift = 0;
  if (binary_exponent >= 0) {
    for (std::int32_t left = binary_exponent; left > 0; left -= 31)
      n.MultiplyBy(std::uint32_t{1} << std::min(left, 31));
  } else {
    decimal_shift = -binary_exponent;
    for (std::int32_t left = decimal_shift; left > 0; left -= 13) {
      std::uint32_t power = 1;
      for (std::int32_t i = 0; i < std::min(left, 13); ++i) power *= 5;
      n.MultiplyBy(power);
    }
  }
  std::string digits = n.ToString();
  const auto exponent = static_cast<std::int32_t>(digits.size()) - 1 - decimal_shift;
  digits.erase(digits.find_last_not_of('0') + 1);
  return ExactDecimal{digits, exponent};
}

ExactRounding RoundExactlyTo17Digits(const ExactDecimal& exact) {
  std::string head = exact.digits.substr(0, kFirstRoundingDigits);
  head.append(kFirstRoundingDigits - head.size(), '0');
  const std::string tail = exact.digits.size() > head.size() ? exact.digits.substr(head.size()) : "";

  const DecimalDigits down = FromDigitString(head, exact.exponent);
  const DecimalDigits up = FromDigitString(Increment(head), exact.exponent);
  const bool rounds_up = !tail.empty() && tail[0] >= '5';

  // The tail as a fraction of one unit of the 17th digit; 20 digits of it are
  // ample against a window of at least 10^16 * 2^-70 (about 8.5e-6) units.
  const double fraction = tail.empty() ? 0.0 : std::stod("0." + tail.substr(0, 20));
  const double window = std::stod(head) * std::ldexp(1.0, -70);
  const bool near_halfway = !tail.empty() && std::fabs(fraction - 0.5) <= window;

  return ExactRounding{rounds_up ? up : down, rounds_up ? down : up, near_halfway};
}

std::string ReferenceText(double x, DecimalDigits rounded17) {
  std::string digits17 = std::to_string(rounded17.significand);
  std::int32_t p = rounded17.exponent;

  std::string shown = digits17.substr(0, kShownDigits);
  if (digits17[kShownDigits] >= '5') shown = Increment(shown);
  if (shown.size() > static_cast<std::size_t>(kShownDigits)) {
    shown.pop_back();
    ++p;
  }

  std::string text;
  if (p >= -4 && p <= 12) {
    const std::string whole = p >= 0 ? shown.substr(0, static_cast<std::size_t>(p) + 1) : "0";
    std::string fraction = p >= 0 ? shown.substr(static_cast<std::size_t>(p) + 1)
                                  : std::string(static_cast<std::size_t>(-p - 1), '0') + shown;
    fraction.erase(fraction.find_last_not_of('0') + 1);
    text = fraction.empty() ? whole : whole + "." + fraction;
  } else {
    std::string fraction = shown.substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::array<char, 16> exponent{};
    std::snprintf(exponent.data(), exponent.size(), "e%c%03d", p < 0 ? '-' : '+', p < 0 ? -p : p);
    text = shown.substr(0, 1) + (fraction.empty() ? "" : "." + fraction) + exponent.data();
  }
  return std::signbit(x) ? "-" + text : text;
}
