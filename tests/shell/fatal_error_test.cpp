#include <gtest/gtest.h>

#include "fatal_error.h"
#include "gbk_text.h"

namespace {

struct BoxRow {
  const char* text;
  std::int32_t number;
  std::string expected;
};

const std::string kHead = std::string(gbk::kRuntimeError) + "\r\n\r\n";

class BoxTextLayout : public ::testing::TestWithParam<BoxRow> {};

TEST_P(BoxTextLayout, LaysOutTheLines) {
  const BoxRow& row = GetParam();
  EXPECT_EQ(FatalErrorBoxText(row.text, row.number), row.expected) << "number=" << row.number;
}

INSTANTIATE_TEST_SUITE_P(
    FatalError, BoxTextLayout,
    ::testing::Values(BoxRow{gbk::kStartWindowFailed, 0, kHead + gbk::kErrorMessage + gbk::kStartWindowFailed + "\r\n"},
                      BoxRow{nullptr, 0, kHead},  // neither line
                      BoxRow{"", 0, kHead},
                      BoxRow{"x", -7, kHead + gbk::kErrorCode + "-7\r\n\r\n" + gbk::kErrorMessage + "x\r\n"},
                      BoxRow{nullptr, 12, kHead + gbk::kErrorCode + "12\r\n\r\n"}));

}  // namespace
