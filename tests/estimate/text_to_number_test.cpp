// Whole texts to numbers: the reading rules from blanks to exponent, full-width
// input, and the command form used through CallCommand.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>

#include "command_call.h"
#include "same_double.h"
#include "text_to_number.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Row {
  std::string text;
  double expected;
  const char* why;
};

void PrintTo(const Row& row, std::ostream* os) { *os << '"' << Escaped(row.text) << '"'; }

class TextToNumberReads : public ::testing::TestWithParam<Row> {};

TEST_P(TextToNumberReads, Text) {
  const Row& row = GetParam();
  EXPECT_TRUE(SameDouble(TextToNumber(row.text.c_str()), row.expected))
      << "text=\"" << Escaped(row.text) << "\" (" << row.why << ")";
}

// The documented examples, one row each.
const Row kExamples[] = {
    {"40", 0x1.4p+5, "plain integer"},
    {"40.3", 0x1.4266666666666p+5, "nearest double to 40.3"},
    {"  42.5 ", 0x1.54p+5, "blanks around"},
    {"\xA3\xB4\xA3\xB0", 0x1.4p+5, "full-width 40"},
    {"\xA1\xA1\xA3\xB4\xA3\xB0\xC2\xEB", 0x1.4p+5, "ideographic space, full-width 40, then a hanzi"},
    {"\xA3\xAD\xA3\xB3", -0x1.8p+1, "full-width minus three"},
    {"3\xA3\xAE"
     "5",
     0x1.cp+1, "full-width full stop between ASCII digits"},
    {"\t\n12", 0x1.8p+3, "tab and line feed skipped"},
    {"4 0", 0x1p+2, "a space ends the number"},
    {"007", 0x1.cp+2, "leading zeros"},
    {"+7", 0x1.cp+2, "plus sign"},
    {".5", 0x1p-1, "no integer digits"},
    {"5.", 0x1.4p+2, "no fraction digits"},
    {"-.5", -0x1p-1, "minus, no integer digits"},
    {"1e3", 0x1.f4p+9, "exponent"},
    {"1E+3", 0x1.f4p+9, "capital letter, signed exponent"},
    {"1e0003", 0x1.f4p+9, "exponent with leading zeros"},
    {"1000e0", 0x1.f4p+9, "zero exponent"},
    {"2d1", 0x1.4p+4, "d introduces an exponent"},
    {"2D-1", 0x1.999999999999ap-3, "nearest double to 0.2"},
    {"12abc", 0x1.8p+3, "letters end the number"},
    {"1.5e3x", 0x1.770p+10, "letter after the exponent"},
    {"1.2.3", 0x1.3333333333333p+0, "second full stop ends it"},
    {"1,234", 0x1p+0, "no grouping separator"},
    {"5+3", 0x1.4p+2, "sign after the mantissa ends it"},
    {"1e", 0x1p+0, "exponent letter without digits"},
    {"1e+", 0x1p+0, "exponent letter and sign without digits"},
    {"1ex", 0x1p+0, "exponent letter then a letter"},
    {"5e-", 0x1.4p+2, "exponent letter and minus without digits"},
    {"0x1A", 0.0, "no hexadecimal"},
    {"", 0.0, "empty"},
    {"abc", 0.0, "no number"},
    {"inf", 0.0, "no infinity word"},
    {"nan", 0.0, "no not-a-number word"},
    {".", 0.0, "lone full stop"},
    {"-", 0.0, "lone minus is +0, not -0"},
    {"- 5", 0.0, "space between sign and digit"},
    {"-0", -0.0, "negative zero"},
    {"-0.000", -0.0, "negative zero with fraction digits"},
    {"1e400", kInf, "overflow"},
    {"-1e400", -kInf, "negative overflow"},
    {"1e-400", 0.0, "underflow"},
    {"-1e-400", -0.0, "negative underflow keeps the sign"},
    {"1e5201", kInf, "capped exponent"},
    {"1e99999", kInf, "exponent far beyond the cap"},
    {"0e99999", 0.0, "zero mantissa whatever the exponent"},
    {"99999999999999999999", 0x1.5af1d78b58c4p+66, "20 nines round up to 1e20"},
    {"18014398509481987", 0x1.0000000000001p+54, "2^54 + 3 rounds to 2^54 + 4"},
};
INSTANTIATE_TEST_SUITE_P(Examples, TextToNumberReads, ::testing::ValuesIn(kExamples));

// The edge cases of reading and folding.
const Row kEdges[] = {
    {" \t\n\v\f\r", 0.0, "blanks only"},
    {"\xA1\xA1-5", -0x1.4p+2, "ideographic space skipped like a space"},
    {"\xA3\xAB\xA3\xB1\xA3\xC5\xA3\xAB\xA3\xB2", 0x1.9p+6, "full-width +1E+2"},
    {"1\xA3\xE5"
     "2",
     0x1.9p+6, "full-width e"},
    {"1\xA3\xC4\xA3\xAD"
     "1",
     0x1.999999999999ap-4, "full-width D and minus"},
    {"\x80\x35", 0.0, "a high byte takes the digit after it as partner"},
    {"\xA3\xB4"
     "5",
     0x1.68p+5, "full-width 4 then ASCII 5"},
    {"4\xA3", 0x1p+2, "lone lead byte at the end dropped"},
    {"4\xA3\xB0", 0x1.4p+5, "full-width digit continues ASCII digits"},
    {"4\xA1\xA1"
     "5",
     0x1p+2, "ideographic space inside ends the number"},
    {"4\xB0\xA1", 0x1p+2, "a hanzi ends the number"},
    {"1,5", 0x1p+0, "comma is never a decimal point"},
    {"-.e5", 0.0, "no mantissa digit"},
    {"+-5", 0.0, "two signs"},
    {".5e1", 0x1.4p+2, "fraction-only mantissa with exponent"},
    {"1D-7", 0x1.ad7f29abcaf48p-24, "D with negative exponent"},
    {"-2.5e-3", -0x1.47ae147ae147bp-9, "everything negative"},
};
INSTANTIATE_TEST_SUITE_P(Edges, TextToNumberReads, ::testing::ValuesIn(kEdges));

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

// Long texts: the exponent cap against fraction digits, and digits far out.
const Row kLong[] = {
    {"0." + Repeat('0', 5300) + "1e5400", 0x1.bff2ee48e0530p-333, "exponent counts as 5201: 10^-100"},
    {"1" + Repeat('0', 5250) + "e-5300", 0x1.b5e7e08ca3a8fp+162, "exponent counts as -5201: 10^49"},
    {"-0." + Repeat('0', 6000) + "1e5300", -0.0, "cap leaves 10^-800: a zero with the sign"},
    {"9007199254740993." + Repeat('0', 3000) + "1", 0x1.0000000000001p+53, "above the tie by a digit far out"},
    {"9007199254740992." + Repeat('9', 3000), 0x1p+53, "below the tie by a tail of nines"},
    {Repeat(' ', 300) + "40", 0x1.4p+5, "long run of blanks"},
    {Repeat('0', 100000) + "42", 0x1.5p+5, "many leading zeros"},
    {"1" + Repeat('0', 400), kInf, "overflow by digit count"},
    {"4" + Repeat('\xA3', 299), 0x1p+2, "long run of lead bytes folding pairwise to #"},
};
INSTANTIATE_TEST_SUITE_P(LongTexts, TextToNumberReads, ::testing::ValuesIn(kLong));

TEST(TextToNumber, NullTextIsEmpty) { EXPECT_TRUE(SameDouble(TextToNumber(nullptr), 0.0)); }

TEST(TextToNumber, RegionalDecimalCommaChangesNothing) {
  const char* const comma_locales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "German_Germany.1252", "deu"};
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const char* chosen = nullptr;
  for (const char* name : comma_locales) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      chosen = name;
      break;
    }
  }
  if (chosen == nullptr) GTEST_SKIP() << "no locale with a decimal comma installed";
  const double dot = TextToNumber("1.5");
  const double comma = TextToNumber("1,5");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_TRUE(SameDouble(dot, 0x1.8p+0)) << chosen;
  EXPECT_TRUE(SameDouble(comma, 0x1p+0)) << chosen;
}

// The command form.
struct CommandRow {
  TypedValue argument;
  std::uint64_t expected_bits;
  const char* why;
};

class TextToNumberCommandGives : public ::testing::TestWithParam<CommandRow> {};

TEST_P(TextToNumberCommandGives, Result) {
  const CommandRow& row = GetParam();
  const TypedValue result = CallCommand(TextToNumberCommand, 1, &row.argument);
  EXPECT_EQ(result.value, row.expected_bits) << row.why;
  EXPECT_EQ(result.tag, kNumberTag) << row.why;
}

const CommandRow kCommandRows[] = {
    {TextArgument("176.05"), 0x406601999999999A, "text converted: nearest double to 176.05"},
    {TextArgument("-0"), 0x8000000000000000, "text giving -0"},
    {TextArgument(nullptr), 0, "null text is empty"},
    {TypedValue{0x7FF8000000000123, kNumberTag}, 0x7FF8000000000123, "number passes through, NaN payload too"},
    {TypedValue{0x4044000000000000, 0x80000101}, 0, "another type tag gives 0"},
    {TypedValue{0x4044000000000000, 0}, 0, "tag 0 gives 0"},
};
INSTANTIATE_TEST_SUITE_P(Tags, TextToNumberCommandGives, ::testing::ValuesIn(kCommandRows));

TEST(TextToNumberCommand, NoArgumentGivesZero) {
  const TypedValue result = CallCommand(TextToNumberCommand, 0, nullptr);
  EXPECT_EQ(result.value, 0u);
  EXPECT_EQ(result.tag, kNumberTag);
}

}  // namespace
