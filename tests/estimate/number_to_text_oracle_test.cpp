// Compares the fast conversion with the slow exact reference over many
// seeded random doubles. Native only: the reference is slow under Wine and
// the fixed tables already run there.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "exact_decimal.h"
#include "number_digits.h"
#include "number_layout.h"

namespace {

// The reference itself, against expansions worked out by hand.
struct ExpansionRow {
  double x;
  const char* digits;  // a prefix of the expected digits
  std::size_t digit_count;
  std::int32_t exponent;
};

class ExactExpansion : public ::testing::TestWithParam<ExpansionRow> {};

TEST_P(ExactExpansion, GivesEveryDigit) {
  const ExpansionRow& row = GetParam();
  const ExactDecimal exact = ExpandExactly(row.x);
  EXPECT_EQ(exact.digits.substr(0, std::string(row.digits).size()), row.digits) << std::hexfloat << row.x;
  EXPECT_EQ(exact.digits.size(), row.digit_count) << std::hexfloat << row.x;
  EXPECT_EQ(exact.exponent, row.exponent) << std::hexfloat << row.x;
}

const ExpansionRow kExpansions[] = {
    {0x1.5ep+7, "175", 3, 2},
    {0x1.0p-1, "5", 1, -1},
    {0x1.999999999999ap-4, "1000000000000000055511151231257827021181583404541015625", 55, -1},
    {0x1.0p+100, "1267650600228229401496703205376", 31, 30},
    // 2^-1074 = 5^1074 / 10^1074: 751 significant digits.
    {0x0.0000000000001p-1022, "4940656458412465441765687928682213723650", 751, -324},
    // The largest double is an integer of 309 digits, 2^971 times an odd number.
    {0x1.fffffffffffffp+1023, "17976931348623157081452742373170435679807056", 309 - 0, 308},
};
INSTANTIATE_TEST_SUITE_P(Reference, ExactExpansion, ::testing::ValuesIn(kExpansions));

TEST(ExactRoundingWindow, OnlyValuesNextToAHalfwayPointMayGoEitherWay) {
  // Exactly halfway: goes up, and either way is acceptable.
  const ExactRounding tie = RoundExactlyTo17Digits(ExpandExactly(0x1.ffffffffffffdp+50));
  EXPECT_EQ(tie.half_up, (DecimalDigits{22517998136852473, 15}));
  EXPECT_EQ(tie.other_way, (DecimalDigits{22517998136852472, 15}));
  EXPECT_TRUE(tie.either_way);
  // 0.1000000000000000055...: the tail 55511... is far from one half.
  EXPECT_FALSE(RoundExactlyTo17Digits(ExpandExactly(0x1.999999999999ap-4)).either_way);
}

// Seeded samples that reach every part of the conversion: any bit pattern;
// magnitudes around the fixed form; and decimals placed on or next to the
// point halfway between two 13-digit values, where the two roundings matter;
// and short values.
std::vector<double> Samples() {
  std::mt19937_64 random(20240611);
  std::vector<double> samples;
  auto keep = [&](double x) {
    const std::uint64_t exponent_field = (std::bit_cast<std::uint64_t>(x) >> 52) & 0x7FF;
    if (exponent_field != 0x7FF && x != 0) samples.push_back(x);
  };
  for (int i = 0; i < 60000; ++i) keep(std::bit_cast<double>(random()));
  for (int i = 0; i < 30000; ++i) {
    // Binary exponents from 2^-20 to 2^50: the fixed form and its borders.
    const std::uint64_t fraction = random() & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t exponent = 1003 + random() % 71;
    keep(std::bit_cast<double>((random() & (std::uint64_t{1} << 63)) | (exponent << 52) | fraction));
  }
  const std::array<const char*, 4> tails = {"5", "49999", "50001", "4999999999"};
  for (int i = 0; i < 10000; ++i) {
    std::array<char, 64> text{};
    const int decimal_exponent = static_cast<int>(random() % 40) - 20;
    std::snprintf(text.data(), text.size(), "%013llu%se%d",
                  static_cast<unsigned long long>(random() % 10000000000000ULL), tails[random() % tails.size()],
                  decimal_exponent);
    keep(std::strtod(text.data(), nullptr));
  }
  for (int i = 0; i < 10000; ++i) {
    // Short values: whole numbers and binary fractions, with trailing zeros
    // to remove.
    keep(static_cast<double>(random() % 100000000000000ULL) / static_cast<double>(1u << (random() % 12)));
  }
  return samples;
}

// Checks each sample's 17 digits and text against the reference and reports
// the first few that differ; gives how many did.
int CountDisagreements(const std::vector<double>& samples) {
  int failures = 0;
  for (const double x : samples) {
    const ExactRounding exact = RoundExactlyTo17Digits(ExpandExactly(x));
    const DecimalDigits rounded17 = RoundTo17Digits(x);
    const bool allowed = rounded17 == exact.half_up || (exact.either_way && rounded17 == exact.other_way);

    std::array<char, kMaxNumberTextLength> buffer{};
    const std::string text(buffer.data(), WriteNumberText(x, buffer));
    const std::string expected = ReferenceText(x, exact.either_way ? rounded17 : exact.half_up);
    if ((!allowed || text != expected) && ++failures <= 10) {
      ADD_FAILURE() << "x=" << std::hexfloat << x << std::defaultfloat << " 17 digits " << rounded17.significand << "e"
                    << rounded17.exponent << " exact half up " << exact.half_up.significand << "e"
                    << exact.half_up.exponent << " text " << text << " reference " << expected;
    }
  }
  return failures;
}

TEST(NumberTextAgainstExactReference, FirstRoundingAndTextAgree) {
  const std::vector<double> samples = Samples();
  int either_way = 0;
  for (const double x : samples) either_way += RoundExactlyTo17Digits(ExpandExactly(x)).either_way ? 1 : 0;
  EXPECT_EQ(CountDisagreements(samples), 0) << "of " << samples.size() << " samples";
  RecordProperty("samples", static_cast<int>(samples.size()));
  RecordProperty("near_halfway", either_way);
}

// Where the decimal exponent is guessed from the binary one and where 17
// digits carry into an 18th: both ends of every binade, and the doubles on
// both sides of every power of ten and of every 99999999999999995 * 10^k,
// from the smallest subnormal to the largest double.
std::vector<double> Boundaries() {
  std::vector<double> samples;
  const double largest = std::numeric_limits<double>::max();
  for (int e = -1074; e <= 1023; ++e) {
    const double power = std::ldexp(1.0, e);
    samples.push_back(power);
    samples.push_back(std::nextafter(power, 0.0));  // the top of the binade below
  }
  for (int k = -323; k <= 308; ++k) {
    for (const char* digits : {"1", "9.9999999999999995"}) {
      std::array<char, 32> text{};
      std::snprintf(text.data(), text.size(), "%se%d", digits, k);
      const double nearest = std::strtod(text.data(), nullptr);
      for (const double x : {std::nextafter(nearest, 0.0), nearest, std::nextafter(nearest, largest)}) {
        samples.push_back(x);
      }
    }
  }
  samples.push_back(largest);
  std::erase_if(samples, [](double x) { return x == 0 || std::isinf(x); });
  return samples;
}

TEST(NumberTextAgainstExactReference, EveryBinadeAndPowerOfTenBoundary) {
  const std::vector<double> samples = Boundaries();
  EXPECT_EQ(CountDisagreements(samples), 0) << "of " << samples.size() << " samples";
}

}  // namespace
