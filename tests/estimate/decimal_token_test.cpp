// The tokenizer against the grammar: where the number starts and ends, its
// digit runs and its capped exponent. No values are computed here.
#include <gtest/gtest.h>

#include <string>

#include "decimal_token.h"
#include "same_double.h"

namespace {

struct Row {
  std::string text;
  bool found;
  bool negative;
  const char* integer;
  const char* fraction;
  std::int32_t exponent;
  std::size_t end;
};

void PrintTo(const Row& row, std::ostream* os) { *os << '"' << Escaped(row.text) << '"'; }

class TokenizeDecimalFinds : public ::testing::TestWithParam<Row> {};

TEST_P(TokenizeDecimalFinds, Parts) {
  const Row& row = GetParam();
  const DecimalToken token = TokenizeDecimal(row.text);
  const std::string where = "text=\"" + Escaped(row.text) + "\"";
  EXPECT_EQ(token.found, row.found) << where;
  EXPECT_EQ(token.negative, row.negative) << where;
  EXPECT_EQ(std::string(token.integer_digits), row.integer) << where;
  EXPECT_EQ(std::string(token.fraction_digits), row.fraction) << where;
  EXPECT_EQ(token.exponent, row.exponent) << where;
  EXPECT_EQ(token.end, row.end) << where;
}

const Row kNumbers[] = {
    {"40", true, false, "40", "", 0, 2},    {" \t\n\v\f\r-12.50e+3x", true, true, "12", "50", 3, 15},
    {"+007", true, false, "007", "", 0, 4}, {".5", true, false, "", "5", 0, 2},
    {"5.", true, false, "5", "", 0, 2},     {"-.25D-2", true, true, "", "25", -2, 7},
    {"2d1", true, false, "2", "", 1, 3},    {"1.2.3", true, false, "1", "2", 0, 3},
    {"5.e3", true, false, "5", "", 3, 4},   {"1e", true, false, "1", "", 0, 1},
    {"1E+", true, false, "1", "", 0, 1},    {"5e-x", true, false, "5", "", 0, 1},
    {"1ee5", true, false, "1", "", 0, 1},   {"1e+-5", true, false, "1", "", 0, 1},
    {"1e5e5", true, false, "1", "", 5, 3},  {"1e5.5", true, false, "1", "", 5, 3},
    {"0x1A", true, false, "0", "", 0, 1},   {"4 0", true, false, "4", "", 0, 1},
    {"1,5", true, false, "1", "", 0, 1},    {"7\x80", true, false, "7", "", 0, 1},
};
INSTANTIATE_TEST_SUITE_P(Grammar, TokenizeDecimalFinds, ::testing::ValuesIn(kNumbers));

const Row kNoNumber[] = {
    {"", false, false, "", "", 0, 0},
    {"   ", false, false, "", "", 0, 0},
    {"-", false, false, "", "", 0, 0},
    {"- 5", false, false, "", "", 0, 0},
    {".", false, false, "", "", 0, 0},
    {"-.e5", false, false, "", "", 0, 0},
    {"+-5", false, false, "", "", 0, 0},
    {"e5", false, false, "", "", 0, 0},
    {"inf", false, false, "", "", 0, 0},
    {"\xA1\xA1"
     "5",
     false, false, "", "", 0, 0},
};
INSTANTIATE_TEST_SUITE_P(NoNumber, TokenizeDecimalFinds, ::testing::ValuesIn(kNoNumber));

// The exponent is read until its value passes 5200, then stays at 5201.
const Row kExponentCap[] = {
    {"1e5200", true, false, "1", "", 5200, 6},
    {"1e5201", true, false, "1", "", 5201, 6},
    {"1e-5200", true, false, "1", "", -5200, 7},
    {"1e-5201", true, false, "1", "", -5201, 7},
    {"1e00000000005200", true, false, "1", "", 5200, 16},
    {"1e52009", true, false, "1", "", 5201, 7},
    {"1e99999999999999999999999", true, false, "1", "", 5201, 25},
    {"1D-4294967296x", true, false, "1", "", -5201, 13},
};
INSTANTIATE_TEST_SUITE_P(ExponentCap, TokenizeDecimalFinds, ::testing::ValuesIn(kExponentCap));

TEST(TokenizeDecimal, ReadsNoFurtherThanItsView) {
  // The view stops inside "12345"; the bytes after it must not be read.
  const std::string text = "12345e5";
  const DecimalToken token = TokenizeDecimal(std::string_view(text).substr(0, 3));
  EXPECT_EQ(std::string(token.integer_digits), "123");
  EXPECT_EQ(token.end, 3u);
  const DecimalToken cut = TokenizeDecimal(std::string_view(text).substr(0, 6));
  EXPECT_EQ(cut.exponent, 0);
  EXPECT_EQ(cut.end, 5u);
}

}  // namespace
