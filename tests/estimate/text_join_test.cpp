#include <gtest/gtest.h>

#include <string>

#include "program_constants.h"
#include "shell_state.h"
#include "text_join.h"
#include "text_memory.h"

namespace {

class TextJoin : public ::testing::Test {
 protected:
  void SetUp() override {
    Shell().constants_begin = program_constants::Area().data();
    Shell().constants_size = program_constants::kSize;
  }
  void TearDown() override { Shell() = ShellState{}; }

  // Takes ownership of a joined text and gives its bytes.
  static std::string Take(char* text) {
    std::string bytes = text;
    ReleaseMemory(text);
    return bytes;
  }
};

TEST_F(TextJoin, LengthCountsBytesBeforeTheFirstZero) {
  EXPECT_EQ(TextLength(nullptr), 0u);
  EXPECT_EQ(TextLength(""), 0u);
  EXPECT_EQ(TextLength("\xB3\xDF\xC2\xEB\xA3\xBA"), 6u);  // 尺码： in code page 936
  EXPECT_EQ(TextLength("ab\0cd"), 2u);
}

TEST_F(TextJoin, JoinsInOrderWithNullAsEmpty) {
  EXPECT_EQ(Take(JoinTexts({"175", program_constants::CmSuffix()})), "175 CM");
  EXPECT_EQ(Take(JoinTexts({nullptr, program_constants::CmSuffix()})), " CM");
  EXPECT_EQ(Take(JoinTexts({"1.#INF", nullptr, "\xC3\xD7"})), "1.#INF\xC3\xD7");
  EXPECT_EQ(Take(JoinTexts({nullptr, nullptr})), "");
  EXPECT_EQ(Take(JoinTexts({})), "");
}

TEST_F(TextJoin, OneTextGivesAFreshCopy) {
  const char* constant = program_constants::CmSuffix();
  char* copy = JoinTexts({constant});
  EXPECT_NE(copy, constant);
  EXPECT_FALSE(IsInConstantArea(copy));
  EXPECT_STREQ(copy, " CM");
  ReleaseMemory(copy);
}

}  // namespace
