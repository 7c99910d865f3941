// The escaped shell texts are the code page 936 form of their readable text.
#include <gtest/gtest.h>

#include <string>

#include "../support/utf8_to_gbk.h"

#include "gbk_text.h"

namespace {

TEST(GbkText, EscapesMatchTheReadableText) {
#define TALVENOR_CHECK_GBK(name, readable, bytes) EXPECT_EQ(std::string(gbk::name), Utf8ToGbk(readable)) << #name;
  TALVENOR_GBK_TEXTS(TALVENOR_CHECK_GBK)
#undef TALVENOR_CHECK_GBK
}

}  // namespace
