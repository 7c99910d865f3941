// The escaped texts of the window driver and of the floor program are the
// code page 936 form of their readable text.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "floor_texts.h"
#include "window_texts.h"

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

TEST(GuiTexts, DriverEscapesMatchTheReadableText) {
#define GUI_CHECK_GBK(name, readable, bytes) EXPECT_EQ(std::string(expected_text::name), ToGbk(readable)) << #name;
  GUI_EXPECTED_TEXTS(GUI_CHECK_GBK)
#undef GUI_CHECK_GBK
}

TEST(GuiTexts, FloorEscapesMatchTheReadableText) {
#define FLOOR_CHECK_GBK(name, readable, bytes) EXPECT_EQ(std::string(floor_text::name), ToGbk(readable)) << #name;
  FLOOR_GBK_TEXTS(FLOOR_CHECK_GBK)
#undef FLOOR_CHECK_GBK
}

}  // namespace
