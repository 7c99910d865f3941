#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "command_call.h"
#include "program_constants.h"
#include "shell_state.h"
#include "text_memory.h"

namespace {

// Records the program's constant area as start-up does, and puts the real
// heap back after a test that swapped it.
class TextMemory : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Shell();
    Shell().constants_begin = program_constants::Area().data();
    Shell().constants_size = program_constants::kSize;
  }
  void TearDown() override { Shell() = saved_; }
  ShellState saved_;
};

TEST_F(TextMemory, ReleaseIgnoresNullAndTheConstantArea) {
  ReleaseMemory(nullptr);
  ReleaseMemory(const_cast<char*>(program_constants::EmptyText()));
  ReleaseMemory(const_cast<char*>(program_constants::CmSuffix()));
  EXPECT_STREQ(program_constants::CmSuffix(), " CM");
}

TEST_F(TextMemory, ConstantAreaBoundsAreExact) {
  const unsigned char* area = program_constants::Area().data();
  EXPECT_TRUE(IsInConstantArea(area));
  EXPECT_TRUE(IsInConstantArea(area + program_constants::kSize - 1));
  EXPECT_FALSE(IsInConstantArea(area + program_constants::kSize));
  EXPECT_FALSE(IsInConstantArea(area - 1));
}

TEST_F(TextMemory, ReallocatingAConstantCopiesUpToTheAreasEnd) {
  // " CM" is the area's last 4 bytes: a 10-byte block gets those 4 bytes.
  auto* grown = static_cast<char*>(ReallocateMemory(const_cast<char*>(program_constants::CmSuffix()), 10));
  EXPECT_EQ(std::string(grown, 4), std::string(" CM\0", 4));
  ReleaseMemory(grown);

  auto* cut = static_cast<char*>(ReallocateMemory(const_cast<char*>(program_constants::CmSuffix()), 2));
  EXPECT_EQ(std::string(cut, 2), " C");
  ReleaseMemory(cut);

  // From the empty text on, the whole area follows, doubles included.
  auto* whole = static_cast<unsigned char*>(ReallocateMemory(const_cast<char*>(program_constants::EmptyText()), 64));
  EXPECT_EQ(std::memcmp(whole, program_constants::Area().data(), program_constants::kSize), 0);
  ReleaseMemory(whole);
  EXPECT_STREQ(program_constants::CmSuffix(), " CM");
}

TEST_F(TextMemory, ReallocateNullAllocatesAndResizeKeepsTheBytes) {
  auto* block = static_cast<char*>(ReallocateMemory(nullptr, 4));
  std::memcpy(block, "abc", 4);
  block = static_cast<char*>(ReallocateMemory(block, 4000));
  EXPECT_STREQ(block, "abc");
  ReleaseMemory(block);
}

TEST(CommandCall, ResultIsZeroWhenTheCommandWritesNothing) {
  const TypedValue result = CallCommand([](TypedValue*, std::int32_t, const TypedValue*) {}, 0, nullptr);
  EXPECT_EQ(result.value, 0u);
  EXPECT_EQ(result.tag, 0u);
}

TEST(CommandCall, PassesArgumentsAndReturnsTheWholeRecord) {
  const char* text = "40";
  const TypedValue argument = TextArgument(text);
  EXPECT_EQ(argument.tag, kTextTag);
  const TypedValue result = CallCommand(
      [](TypedValue* out, std::int32_t count, const TypedValue* in) {
        *out = NumberArgument(count == 1 ? 175.0 : -1.0);
        out->value ^= in[0].tag == kTextTag ? 0 : 1;
      },
      1, &argument);
  EXPECT_EQ(result.tag, kNumberTag);
  EXPECT_EQ(NumberResult(result), 175.0);
  EXPECT_EQ(TextResult(argument), text);
  // A 32-bit pointer lands in the low half with the high half clear.
  if (sizeof(void*) == 4) {
    EXPECT_EQ(argument.value >> 32, 0u);
  }
}

#ifndef _WIN32
// The native fatal error writes the box text to standard error and exits
// with -1; on Windows the same path shows the box (tested through the exe).
TEST(TextMemoryDeathTest, RefusedAllocationIsFatalWithItsSize) {
  ShellState& shell = Shell();
  shell.heap.allocate = [](void*, std::size_t size) -> void* { return size == 40 ? nullptr : std::malloc(size); };
  shell.exit_routines.push_back([] { std::abort(); });
  EXPECT_EXIT(AllocateMemory(40), ::testing::ExitedWithCode(255),
              "\xB7\xD6\xC5\xE4 40 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!\r\n$");
  shell = ShellState{};
}

TEST(TextMemoryDeathTest, RefusedResizeReportsTheNewSize) {
  void* block = AllocateMemory(8);
  Shell().heap.reallocate = [](void*, void*, std::size_t) -> void* { return nullptr; };
  EXPECT_EXIT(ReallocateMemory(block, 1234), ::testing::ExitedWithCode(255), " 1234 ");
  Shell() = ShellState{};
  ReleaseMemory(block);
}
#endif

}  // namespace
