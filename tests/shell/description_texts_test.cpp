// The escaped default captions and main window texts are the code page 936
// form of their readable text.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "control_default_texts.h"
#include "main_window_texts.h"

namespace {

std::string ToGbk(std::string utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  std::string out(utf8.size() * 2, '\0');
  char* in = utf8.data();
  char* to = out.data();
  std::size_t in_left = utf8.size(), out_left = out.size();
  const std::size_t done = iconv(cd, &in, &in_left, &to, &out_left);
  iconv_close(cd);
  EXPECT_NE(done, static_cast<std::size_t>(-1)) << utf8;
  out.resize(out.size() - out_left);
  return out;
}

TEST(DescriptionTexts, EscapesMatchTheReadableText) {
#define TALVENOR_CHECK_GBK(name, readable, bytes) EXPECT_EQ(std::string(gbk::name), ToGbk(readable)) << #name;
  TALVENOR_CONTROL_DEFAULT_TEXTS(TALVENOR_CHECK_GBK)
  TALVENOR_MAIN_WINDOW_TEXTS(TALVENOR_CHECK_GBK)
#undef TALVENOR_CHECK_GBK
}

// The title's dash is U+2014 EM DASH, A1AA in code page 936.
TEST(DescriptionTexts, TitleDashIsTheEmDash) {
  EXPECT_EQ(std::string(gbk::kMainWindowTitle), ToGbk("Talvenor\u2014V1.0"));
  EXPECT_EQ(std::string(gbk::kMainWindowTitle).substr(8, 2), "\xA1\xAA");
}

}  // namespace
