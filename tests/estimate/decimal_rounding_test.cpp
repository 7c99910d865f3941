// The rounding stage against values: ties, digits far beyond the first 24,
// the subnormal and overflow boundaries, and exponent arithmetic on texts with
// a million digits. Tokens are built here directly, without the tokenizer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

#include "decimal_rounding.h"
#include "exact_powers_of_ten.h"
#include "same_double.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Row {
  std::string integer;
  std::string fraction;
  std::int32_t exponent;
  bool negative;
  double expected;
  const char* why;
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << (row.negative ? "-" : "") << Escaped(row.integer) << '.' << Escaped(row.fraction) << 'e' << row.exponent;
}

double Round(const Row& row) {
  DecimalToken token;
  token.found = true;
  token.negative = row.negative;
  token.integer_digits = row.integer;
  token.fraction_digits = row.fraction;
  token.exponent = row.exponent;
  return RoundDecimal(token);
}

class RoundDecimalGives : public ::testing::TestWithParam<Row> {};

TEST_P(RoundDecimalGives, Value) {
  const Row& row = GetParam();
  std::ostringstream shown;
  PrintTo(row, &shown);
  EXPECT_TRUE(SameDouble(Round(row), row.expected)) << shown.str() << " (" << row.why << ")";
}

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

const Row kTiesToEven[] = {
    {"9007199254740993", "", 0, false, 0x1p+53, "2^53 + 1: tie, even is below"},
    {"9007199254740995", "", 0, false, 0x1.0000000000002p+53, "2^53 + 3: tie, even is above"},
    {"9007199254740993", "0000000000000000000000000000000", 0, false, 0x1p+53, "tie with trailing zeros"},
    {"9007199254740993", Repeat('0', 3000) + "1", 0, false, 0x1.0000000000001p+53, "a digit far out breaks the tie up"},
    {"9007199254740993" + Repeat('0', 3000) + "1", "", -3001, false, 0x1.0000000000001p+53,
     "the same through the exponent"},
    {"9007199254740992", Repeat('9', 3000), 0, false, 0x1p+53, "just below the tie"},
    {"4503599627370496", "5", 0, true, -0x1p+52, "2^52 + 1/2: negative tie to even"},
    {"4503599627370497", "5", 0, false, 0x1.0000000000002p+52, "2^52 + 3/2: tie up to even"},
};
INSTANTIATE_TEST_SUITE_P(TiesToEven, RoundDecimalGives, ::testing::ValuesIn(kTiesToEven));

const Row kSubnormals[] = {
    {"4", "9406564584124654", -324, false, 0x0.0000000000001p-1022, "smallest subnormal"},
    {"2", "47032822920624", -324, false, 0x0.0000000000001p-1022, "just above half the smallest"},
    {"2", "47032822920623", -324, true, -0.0, "just below half the smallest: a zero with the sign"},
    {"2", "2250738585072009", -308, false, 0x0.fffffffffffffp-1022, "largest subnormal"},
    {"2", "2250738585072014", -308, false, 0x1p-1022, "smallest normal"},
    {"1", "", -320, false, 0x0.00000000007e8p-1022, "subnormal with few bits"},
    {"", Repeat('0', 400) + "1", 0, false, 0.0, "far below by fraction digits"},
    {"1", "", -325, false, 0.0, "10^-325 is below half the smallest"},
};
INSTANTIATE_TEST_SUITE_P(Underflow, RoundDecimalGives, ::testing::ValuesIn(kSubnormals));

const Row kOverflow[] = {
    {"1", "7976931348623157", 308, false, 0x1.fffffffffffffp+1023, "largest double"},
    {"1", "7976931348623158", 308, false, 0x1.fffffffffffffp+1023, "below the midpoint to 2^1024"},
    {"1", "7976931348623159", 308, false, kInf, "above the midpoint to 2^1024"},
    {"1", "7976931348623159", 308, true, -kInf, "negative overflow"},
    {"1" + Repeat('0', 400), "", 0, false, kInf, "overflow by integer digits"},
    {"0", "", 5201, true, -0.0, "zero stays zero whatever the exponent"},
};
INSTANTIATE_TEST_SUITE_P(Overflow, RoundDecimalGives, ::testing::ValuesIn(kOverflow));

const Row kManyDigits[] = {
    {"123456789012345678901234", "", 0, false, 0x1.a249b1f10a06dp+76, "24 significant digits"},
    {"1" + Repeat('0', 30), "", 0, false, 0x1.93e5939a08ceap+99, "10^30 from trailing zeros"},
    {Repeat('0', 100000) + "42", "", 0, false, 0x1.5p+5, "many leading zeros"},
    {"1" + Repeat('0', 1000000), "", -5201, false, kInf, "a million digits against the cap: still huge"},
    {"", Repeat('0', 1000000) + "1", 5201, false, 0.0, "a million fraction digits against the cap: still tiny"},
    {"0", Repeat('0', 5300) + "1", 5201, false, 0x1.bff2ee48e0530p-333, "10^-100"},
};
INSTANTIATE_TEST_SUITE_P(ManyDigits, RoundDecimalGives, ::testing::ValuesIn(kManyDigits));

TEST(RoundDecimal, NothingFoundIsPositiveZero) {
  DecimalToken token;
  token.negative = true;
  EXPECT_TRUE(SameDouble(RoundDecimal(token), 0.0));
}

// The exact-scaling shortcut relies on every table entry being 10^k exactly:
// 10^k = 5^k * 2^k with 5^k computed in integers below 2^53.
TEST(ExactPowersOfTen, EveryEntryIsExact) {
  std::uint64_t power_of_five = 1;
  for (int k = 0; k <= kLargestExactPowerOfTen; ++k) {
    ASSERT_LT(power_of_five, std::uint64_t{1} << 53) << "k=" << k;
    EXPECT_TRUE(
        SameDouble(kExactPowersOfTen[static_cast<std::size_t>(k)], std::ldexp(static_cast<double>(power_of_five), k)))
        << "k=" << k;
    power_of_five *= 5;
  }
  EXPECT_GT(power_of_five, std::uint64_t{1} << 53) << "5^23 needs more than 53 bits";
}

}  // namespace
