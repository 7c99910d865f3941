#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "command_call.h"
#include "number_layout.h"
#include "number_to_text.h"
#include "shell_state.h"
#include "text_memory.h"

namespace {

double FromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

// A number and the exact text the output box shows for it.
struct TextRow {
  double x;
  const char* text;
  const char* why;
};

std::ostream& operator<<(std::ostream& out, const TextRow& row) {
  return out << row.why << " (bits=0x" << std::hex << std::bit_cast<std::uint64_t>(row.x) << std::dec << ")";
}

// Counts what the text values take from the heap, and gives the real heap
// back afterwards.
class CountingHeap : public ::testing::Test {
 protected:
  struct Requests {
    std::vector<std::size_t> sizes;
  };

  void SetUp() override {
    saved_heap_ = Shell().heap;
    Shell().heap = Heap{&requests_,
                        [](void* handle, std::size_t size) -> void* {
                          static_cast<Requests*>(handle)->sizes.push_back(size);
                          return std::malloc(size);
                        },
                        [](void*, void* block, std::size_t size) { return std::realloc(block, size); },
                        [](void*, void* block) { std::free(block); }};
  }
  void TearDown() override { Shell().heap = saved_heap_; }

  // Takes ownership of a text value and gives its bytes.
  static std::string Take(char* text) {
    std::string bytes = text;
    ReleaseMemory(text);
    return bytes;
  }

  Requests requests_;
  Heap saved_heap_;
};

class NumberText : public CountingHeap, public ::testing::WithParamInterface<TextRow> {};

TEST_P(NumberText, GivesTheExactText) {
  const TextRow& row = GetParam();
  const std::string text = Take(NumberToText(row.x));
  EXPECT_EQ(text, row.text) << row;
  // One block of exactly the text and its zero.
  ASSERT_EQ(requests_.sizes.size(), 1u) << row;
  EXPECT_EQ(requests_.sizes[0], text.size() + 1) << row;
  EXPECT_LE(text.size(), kMaxNumberTextLength) << row;
}

const TextRow kEverydayHeights[] = {
    {0x1.5ep+7, "175", "shoe size 40"},
    {0x1.65p+7, "178.5", "shoe size 41"},
    {0x1.18p+5, "35", "shoe size 0"},
    {0x1.57p+7, "171.5", "shoe size 39"},
    {0x1.6019999999999p+7, "176.05", "shoe size 40.3: 176.049999999999982946..."},
    {0x1.6f8p+7, "183.75", "shoe size 42.5"},
    {-0x1.5ep+7, "-175", "negative numbers get a minus sign"},
    {0x1.9p+6, "100", "whole numbers have no point"},
};
INSTANTIATE_TEST_SUITE_P(EverydayHeights, NumberText, ::testing::ValuesIn(kEverydayHeights));

const TextRow kFractions[] = {
    {0x1.999999999999ap-4, "0.1", "nearest 0.1"},
    {0x1.3333333333334p-2, "0.3", "nearest 0.1 + nearest 0.2, 0.30000000000000004..."},
    {0x1.5555555555555p-2, "0.3333333333333", "nearest 1/3: 13 digits"},
    {0x1.5555555555555p-1, "0.6666666666667", "nearest 2/3: last shown digit raised"},
    {0x1.921fb54442d11p+1, "3.14159265359", "nearest 3.14159265358979: 13 digits end in 0s, trimmed"},
    {0x1.edd2f1a9fbe77p+6, "123.456", "nearest 123.456"},
    {0x1.0p-1, "0.5", "one fractional digit below 1"},
    {0x1.0000000004f2ap+0, "1.000000000005", "1.00000000000449995596...: two roundings raise the 13th digit"},
    {0x1.0000000004f29p+0, "1.000000000004", "1.0000000000044997...: no raise"},
    {0x1.1f71fb04ca800p+40, "1234567890123", "1234567890122.5: halfway goes up"},
};
INSTANTIATE_TEST_SUITE_P(Fractions, NumberText, ::testing::ValuesIn(kFractions));

const TextRow kFormSwitch[] = {
    {0x1.d1a94a2p+39, "1000000000000", "10^12: largest power in the fixed form"},
    {0x1.2309ce53ffep+43, "9999999999999", "largest 13-digit whole number"},
    {0x1.2309ce53fffp+43, "1e+013", "9999999999999.5 rounds to 10^13: exponential"},
    {0x1.2309ce54p+43, "1e+013", "10^13"},
    {0x1.1f71fb04cb666p+40, "1234567890123", "nearest 1234567890123.4"},
    {0x1.c12218377de4p+46, "1.234567890123e+014", "123456789012345"},
    {0x1.c6bf52634p+49, "1e+015", "10^15"},
    {0x1.869ffffffffffp+16, "100000", "nearest 99999.99999999999 rounds to a whole number"},
    {0x1.3fffffffffee7p+3, "10", "nearest 9.9999999999995 carries into a new digit"},
    {0x1.a36e2eb1c432dp-14, "0.0001", "nearest 0.0001: smallest exponent of the fixed form"},
    {0x1.02e85be180b71p-13, "0.0001234567890123", "nearest 0.0001234567890123456"},
    {-0x1.02e85be180b71p-13, "-0.0001234567890123", "longest fixed form, 19 bytes"},
    {0x1.a36e2eb1c4329p-14, "0.0001", "nearest 0.00009999999999999995 rounds up into the fixed form"},
    {0x1.4f8b588e368f1p-17, "1e-005", "nearest 0.00001: exponential"},
    {0x1.a36e2eb1c432dp-16, "2.5e-005", "nearest 0.000025"},
};
INSTANTIATE_TEST_SUITE_P(FormSwitch, NumberText, ::testing::ValuesIn(kFormSwitch));

const TextRow kExponential[] = {
    {0x1.b1ae4d6e2ef5p+69, "1e+021", "nearest 10^21"},
    {0x1.249ad2594c37dp+332, "1e+100", "nearest 10^100: no trailing zeros"},
    {-0x1.56e1fc2f8f359p-997, "-1e-300", "nearest -10^-300"},
    {0x1.fffffffffffffp+1023, "1.797693134862e+308", "largest finite double"},
    {-0x1.fffffffffffffp+1023, "-1.797693134862e+308", "the longest text, 20 bytes"},
    {0x0.0000000000001p-1022, "4.940656458412e-324", "smallest subnormal"},
    {0x0.0000000000004p-1022, "1.976262583365e-323", "subnormal 2^-1072"},
    {0x0.fffffffffffffp-1022, "2.225073858507e-308", "largest subnormal"},
    {0x1.6849b86a12b9bp-47, "1e-014", "nearest 1e-14: the 17-digit rounding carries"},
    {0x1.ffffffffffffdp+50, "2.251799813685e+015", "2251799813685247.25, exactly halfway at 17 digits"},
};
INSTANTIATE_TEST_SUITE_P(Exponential, NumberText, ::testing::ValuesIn(kExponential));

const TextRow kSpecials[] = {
    {0.0, "0", "zero"},
    {-0.0, "0", "negative zero has no sign"},
    {std::numeric_limits<double>::infinity(), "1.#INF", "+infinity"},
    {-std::numeric_limits<double>::infinity(), "-1.#INF", "-infinity"},
    {FromBits(0xFFF8000000000000), "-1.#IND", "the NaN of invalid operations"},
    {FromBits(0x7FF8000000000000), "1.#QNAN", "quiet NaN, sign clear"},
    {FromBits(0xFFF8000000000001), "-1.#QNAN", "sign set but a payload: not the invalid-operation NaN"},
    {FromBits(0x7FF0000000000001), "1.#QNAN", "signalling NaN"},
    {FromBits(0xFFF0000000000001), "-1.#QNAN", "signalling NaN with sign"},
    {FromBits(0xFFFFFFFFFFFFFFFF), "-1.#QNAN", "all bits set"},
    {FromBits(0x7FFFFFFFFFFFFFFF), "1.#QNAN", "all bits but the sign"},
};
INSTANTIATE_TEST_SUITE_P(Specials, NumberText, ::testing::ValuesIn(kSpecials));

// The layout stage alone, from shown digits no rounding has to produce.
struct LayoutRow {
  bool negative;
  DecimalDigits shown;
  const char* text;
};

class NumberLayout : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(NumberLayout, WritesTheFormWithoutTrailingZeros) {
  const LayoutRow& row = GetParam();
  std::array<char, kMaxNumberTextLength> buffer{};
  const std::size_t length = LayOutDigits(row.negative, row.shown, buffer);
  EXPECT_EQ(std::string(buffer.data(), length), row.text)
      << "digits=" << row.shown.significand << " exponent=" << row.shown.exponent << " negative=" << row.negative;
}

const LayoutRow kLayout[] = {
    {false, {1234567890123, 12}, "1234567890123"},   {false, {1234567890123, 11}, "123456789012.3"},
    {false, {1234567890123, 0}, "1.234567890123"},   {false, {1000000000000, 0}, "1"},
    {false, {1234567890123, -1}, "0.1234567890123"}, {false, {1200000000000, -4}, "0.00012"},
    {false, {1200000000000, -5}, "1.2e-005"},        {false, {1234567890123, 13}, "1.234567890123e+013"},
    {true, {9000000000000, 99}, "-9e+099"},          {false, {1000000000000, 308}, "1e+308"},
    {true, {1000000000000, -324}, "-1e-324"},        {true, {1000000000001, 5}, "-100000.0000001"},
};
INSTANTIATE_TEST_SUITE_P(Forms, NumberLayout, ::testing::ValuesIn(kLayout));

TEST(NumberLayoutBounds, DigitsNoDoubleHasStayInsideTheBuffer) {
  // Guard bytes around the buffer show any write past its end.
  std::array<char, kMaxNumberTextLength + 8> guarded{};
  guarded.fill('#');
  const NumberTextBuffer buffer(guarded.data() + 4, kMaxNumberTextLength);
  for (const DecimalDigits shown : {DecimalDigits{UINT64_MAX, INT32_MIN}, DecimalDigits{UINT64_MAX, INT32_MAX},
                                    DecimalDigits{0, -1000}, DecimalDigits{1234567890123, 12345}}) {
    const std::size_t length = LayOutDigits(true, shown, buffer);
    EXPECT_LE(length, kMaxNumberTextLength) << shown.significand << " " << shown.exponent;
  }
  EXPECT_EQ(std::string(guarded.data(), 4), "####");
  EXPECT_EQ(std::string(guarded.data() + 4 + kMaxNumberTextLength, 4), "####");
}

// The command form, as the click handler reaches it.
class NumberToTextCommandCall : public CountingHeap {};

TEST_F(NumberToTextCommandCall, NumberArgumentGivesANewTextTaggedAsText) {
  const TypedValue argument = NumberArgument(0x1.6019999999999p+7);
  const TypedValue result = CallCommand(NumberToTextCommand, 1, &argument);
  EXPECT_EQ(result.tag, kTextTag);
  EXPECT_EQ(Take(TextResult(result)), "176.05");
  EXPECT_EQ(requests_.sizes, std::vector<std::size_t>{7});
}

TEST_F(NumberToTextCommandCall, AnythingButANumberGivesZero) {
  const TypedValue text_argument = TextArgument("40");
  EXPECT_EQ(Take(TextResult(CallCommand(NumberToTextCommand, 1, &text_argument))), "0");
  EXPECT_EQ(Take(TextResult(CallCommand(NumberToTextCommand, 0, nullptr))), "0");
  TypedValue untagged = NumberArgument(175.0);
  untagged.tag = 0;
  EXPECT_EQ(Take(TextResult(CallCommand(NumberToTextCommand, 1, &untagged))), "0");
}

}  // namespace
