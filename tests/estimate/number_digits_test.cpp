#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "number_digits.h"

// Lets failure messages show digit pairs.
static std::ostream& operator<<(std::ostream& out, const DecimalDigits& d) {
  return out << "{" << d.significand << ", " << d.exponent << "}";
}

namespace {

// A double, its 17-digit rounding and the 13 digits shown, each with the
// exponent of its first digit. Expected pairs come from the exact decimal
// expansion of the double, worked out by hand or with exact arithmetic.
struct DigitsRow {
  double x;
  DecimalDigits rounded17;
  DecimalDigits shown13;
  const char* why;
};

std::ostream& operator<<(std::ostream& out, const DigitsRow& row) {
  return out << row.why << " (x=" << std::hexfloat << row.x << std::defaultfloat << ")";
}

class NumberDigits : public ::testing::TestWithParam<DigitsRow> {};

TEST_P(NumberDigits, BothRoundingsGiveTheDigitsAndExponent) {
  const DigitsRow& row = GetParam();
  const DecimalDigits rounded17 = RoundTo17Digits(row.x);
  EXPECT_EQ(rounded17, row.rounded17) << row;
  EXPECT_EQ(RoundTo13Digits(rounded17), row.shown13) << row;
  // The sign plays no part in the digits.
  EXPECT_EQ(RoundTo17Digits(-row.x), row.rounded17) << row;
}

const DigitsRow kOrdinary[] = {
    {0x1.5ep+7, {17500000000000000, 2}, {1750000000000, 2}, "175: exact, exponent 2"},
    {0x1.0p-2, {25000000000000000, -1}, {2500000000000, -1}, "0.25: exponent -1"},
    {0x1.999999999999ap-4, {10000000000000001, -1}, {1000000000000, -1}, "nearest 0.1: 0.1000000000000000055..."},
    {0x1.5555555555555p-1, {66666666666666663, -1}, {6666666666667, -1}, "nearest 2/3: 14th digit 6 raises the 13th"},
    {0x1.921fb54442d11p+1, {31415926535897900, 0}, {3141592653590, 0}, "nearest 3.14159265358979"},
    {0x1.1f71fb04cb666p+40, {12345678901233999, 12}, {1234567890123, 12}, "1234567890123.39990234375"},
};
INSTANTIATE_TEST_SUITE_P(Ordinary, NumberDigits, ::testing::ValuesIn(kOrdinary));

const DigitsRow kCarryIntoNewDigit[] = {
    {0x1.6849b86a12b9bp-47,
     {10000000000000000, -14},
     {1000000000000, -14},
     "nearest 1e-14 is 9.99999999999999998819e-15: seventeen 9s then 8 carry out of the first digit"},
    {0x1.2309ce53fff00p+43,
     {99999999999995000, 12},
     {1000000000000, 13},
     "9999999999999.5: the 13-digit rounding carries to 10^13"},
    {0x1.3fffffffffee7p+3, {99999999999995008, 0}, {1000000000000, 1}, "nearest 9.9999999999995 rounds to 10"},
    {0x1.869ffffffffffp+16, {99999999999999985, 4}, {1000000000000, 5}, "nearest 99999.99999999999 rounds to 100000"},
    {0x1.a36e2eb1c4329p-14,
     {99999999999999951, -5},
     {1000000000000, -4},
     "nearest 0.00009999999999999995 rounds up to 0.0001"},
    {0x1.6019999999999p+7, {17604999999999998, 2}, {1760500000000, 2}, "176.0499999999999829...: carry through 9s"},
};
INSTANTIATE_TEST_SUITE_P(CarryIntoNewDigit, NumberDigits, ::testing::ValuesIn(kCarryIntoNewDigit));

const DigitsRow kHalfUp[] = {
    {0x1.0000000004f2ap+0,
     {10000000000045000, 0},
     {1000000000005, 0},
     "1.00000000000449995596...: 17 digits end ...045000, whose 5 then raises the 13th digit"},
    {0x1.0000000004f29p+0,
     {10000000000044997, 0},
     {1000000000004, 0},
     "the double below, 1.0000000000044997...: looks like a tie but stays down"},
    {0x1.1f71fb04ca800p+40,
     {12345678901225000, 12},
     {1234567890123, 12},
     "1234567890122.5 is exactly halfway at 13 digits: half up, not to even"},
};
INSTANTIATE_TEST_SUITE_P(HalfUp, NumberDigits, ::testing::ValuesIn(kHalfUp));

const DigitsRow kExtremes[] = {
    {0x1.fffffffffffffp+1023, {17976931348623157, 308}, {1797693134862, 308}, "largest finite double"},
    {0x0.0000000000001p-1022, {49406564584124654, -324}, {4940656458412, -324}, "smallest subnormal, 2^-1074"},
    {0x0.0000000000004p-1022, {19762625833649862, -323}, {1976262583365, -323}, "2^-1072, subnormal"},
    {0x0.fffffffffffffp-1022, {22250738585072009, -308}, {2225073858507, -308}, "largest subnormal"},
    {0x1.56e1fc2f8f359p-997, {10000000000000000, -300}, {1000000000000, -300}, "nearest 1e-300"},
};
INSTANTIATE_TEST_SUITE_P(Extremes, NumberDigits, ::testing::ValuesIn(kExtremes));

TEST(NumberDigitsExactTie, SeventeenDigitTieMayGoEitherWayAndShowsTheSame) {
  // 2251799813685247.25 lies exactly halfway between two 17-digit decimals.
  const DecimalDigits rounded17 = RoundTo17Digits(0x1.ffffffffffffdp+50);
  EXPECT_TRUE(rounded17 == (DecimalDigits{22517998136852472, 15}) ||
              rounded17 == (DecimalDigits{22517998136852473, 15}))
      << rounded17;
  EXPECT_EQ(RoundTo13Digits(rounded17), (DecimalDigits{2251799813685, 15}));
}

// The second rounding on its own, from digit pairs no double need have.
struct SecondRoundingRow {
  DecimalDigits rounded17;
  DecimalDigits shown13;
};

class SecondRounding : public ::testing::TestWithParam<SecondRoundingRow> {};

TEST_P(SecondRounding, UsesThe14thDigitAlone) {
  const SecondRoundingRow& row = GetParam();
  EXPECT_EQ(RoundTo13Digits(row.rounded17), row.shown13) << "rounded17=" << row.rounded17;
}

const SecondRoundingRow kSecondRounding[] = {
    {{12345678901234999, 7}, {1234567890123, 7}},    // 14th digit 4: down, however many 9s follow
    {{12345678901235000, 7}, {1234567890124, 7}},    // 14th digit 5: up
    {{12345678901229999, -3}, {1234567890123, -3}},  // 14th digit 9: up
    {{99999999999995000, -5}, {1000000000000, -4}},  // carry out of the first digit
    {{99999999999994999, 20}, {9999999999999, 20}},  // all 9s but the 14th digit 4
    {{10000000000000000, -324}, {1000000000000, -324}},
};
INSTANTIATE_TEST_SUITE_P(Pairs, SecondRounding, ::testing::ValuesIn(kSecondRounding));

TEST(NumberDigitsNonFinite, ZeroInfinityAndNanHaveNoDigits) {
  for (const double x : {0.0, -0.0, HUGE_VAL, -HUGE_VAL, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(RoundTo17Digits(x), DecimalDigits{}) << "x=" << x;
  }
}

}  // namespace
