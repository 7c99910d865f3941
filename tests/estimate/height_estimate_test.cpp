#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "height_estimate.h"

namespace {

struct Row {
  double shoe_size;
  double height;
  const char* why;
};

class EstimateHeightTable : public ::testing::TestWithParam<Row> {};

TEST_P(EstimateHeightTable, GivesTheExactDouble) {
  const Row& row = GetParam();
  const double h = EstimateHeight(row.shoe_size);
  EXPECT_EQ(std::signbit(h), std::signbit(row.height)) << row.why;
  EXPECT_EQ(h, row.height) << std::hexfloat << "S=" << row.shoe_size << " got " << h << " (" << row.why << ")";
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Ordinary, EstimateHeightTable,
    ::testing::Values(Row{40, 175, "the example"}, Row{41, 178.5, "half"}, Row{39, 171.5, "below"},
                      Row{0x1.4266666666666p+5, 0x1.6019999999999p+7, "40.3 gives 176.04999999999998..."},
                      Row{42.5, 183.75, "fraction"}, Row{0, 35, "empty entry"}, Row{-10, 0, "zero height"},
                      Row{-20, -35, "negative"}, Row{kInf, kInf, "1e400"}, Row{-kInf, -kInf, "-1e400"},
                      Row{DBL_MAX, kInf, "overflows only when stored as a double"}));

#if LDBL_MANT_DIG == 64
// Sizes where rounding S + 10 first to 64 bits and then to a double differs
// from rounding it once; found by tools/find_double_rounding.py with exact
// arithmetic. Plain double arithmetic gives the neighbouring double, and the
// shown text differs as well (35.00000000001 here against 35.00000000002).
INSTANTIATE_TEST_SUITE_P(
    DoubleRounding, EstimateHeightTable,
    ::testing::Values(Row{0x1.2d90000100000p-38, 0x1.180000000083ep+5, "4.285460875900137e-12, plain ...83f"},
                      Row{0x1.f6afffff00000p-38, 0x1.1800000000dbfp+5, "7.143619028801074e-12, plain ...dbe"},
                      Row{0x1.5fd7ffff80000p-37, 0x1.180000000133ep+5, "1.0000000826556677e-11, plain ...33d"}));
#endif

}  // namespace
