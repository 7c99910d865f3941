// The escaped texts of the window driver and of the floor program are the
// code page 936 form of their readable text.
#include <gtest/gtest.h>

#include <string>

#include "../support/utf8_to_gbk.h"

#include "floor_texts.h"
#include "window_texts.h"

namespace {

TEST(GuiTexts, DriverEscapesMatchTheReadableText) {
#define GUI_CHECK_GBK(name, readable, bytes) EXPECT_EQ(std::string(expected_text::name), Utf8ToGbk(readable)) << #name;
  GUI_EXPECTED_TEXTS(GUI_CHECK_GBK)
#undef GUI_CHECK_GBK
}

TEST(GuiTexts, FloorEscapesMatchTheReadableText) {
#define FLOOR_CHECK_GBK(name, readable, bytes) EXPECT_EQ(std::string(floor_text::name), Utf8ToGbk(readable)) << #name;
  FLOOR_GBK_TEXTS(FLOOR_CHECK_GBK)
#undef FLOOR_CHECK_GBK
}

}  // namespace
