// The escaped default captions and main window texts are the code page 936
// form of their readable text.
#include <gtest/gtest.h>

#include <string>

#include "../support/utf8_to_gbk.h"

#include "control_default_texts.h"
#include "main_window_texts.h"

namespace {

TEST(DescriptionTexts, EscapesMatchTheReadableText) {
#define TALVENOR_CHECK_GBK(name, readable, bytes) EXPECT_EQ(std::string(gbk::name), Utf8ToGbk(readable)) << #name;
  TALVENOR_CONTROL_DEFAULT_TEXTS(TALVENOR_CHECK_GBK)
  TALVENOR_MAIN_WINDOW_TEXTS(TALVENOR_CHECK_GBK)
#undef TALVENOR_CHECK_GBK
}

// The title's dash is U+2014 EM DASH, A1AA in code page 936.
TEST(DescriptionTexts, TitleDashIsTheEmDash) {
  EXPECT_EQ(std::string(gbk::kMainWindowTitle), Utf8ToGbk("Talvenor\u2014V1.0"));
  EXPECT_EQ(std::string(gbk::kMainWindowTitle).substr(8, 2), "\xA1\xAA");
}

}  // namespace
