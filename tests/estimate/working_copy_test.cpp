// The working copy's memory: none from the heap for short or plain ASCII
// texts, exactly one block for long ones that fold, released again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "shell_state.h"
#include "text_to_number.h"
#include "working_copy.h"

namespace {

// Counts the shell heap's blocks, putting the real heap back afterwards.
class WorkingCopyMemory : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Shell().heap;
    allocations_ = 0;
    releases_ = 0;
    Shell().heap.allocate = [](void*, std::size_t size) -> void* {
      ++allocations_;
      return std::malloc(size);
    };
    Shell().heap.release = [](void*, void* block) {
      ++releases_;
      std::free(block);
    };
  }
  void TearDown() override { Shell().heap = saved_; }

  static int allocations_;
  static int releases_;
  Heap saved_;
};
int WorkingCopyMemory::allocations_ = 0;
int WorkingCopyMemory::releases_ = 0;

TEST_F(WorkingCopyMemory, ShortOrAsciiTextsUseNoHeap) {
  const std::string longest_inline = std::string(WorkingCopy::kInlineSize - 3, '7') + "\xA3\xB0";
  const std::string long_ascii(100000, '7');
  const struct {
    const char* text;
    std::string folded;
  } rows[] = {
      {"", ""},
      {"40", "40"},
      {"\xA3\xB4\xA3\xB0", "40"},
      {longest_inline.c_str(), std::string(WorkingCopy::kInlineSize - 3, '7') + "0"},
      {long_ascii.c_str(), long_ascii},
  };
  for (const auto& row : rows) {
    const WorkingCopy copy(row.text);
    EXPECT_EQ(copy.Text(), row.folded) << "length " << std::string(row.text).size();
  }
  EXPECT_EQ(allocations_, 0);
}

TEST_F(WorkingCopyMemory, LongTextsUseOneBlockAndReleaseIt) {
  const std::string text = std::string(WorkingCopy::kInlineSize, '\xA3') + "4";
  {
    const WorkingCopy copy(text.c_str());
    // 128 pairs A3A3 fold to '#', then "4".
    EXPECT_EQ(copy.Text(), std::string(WorkingCopy::kInlineSize / 2, '#') + "4");
    EXPECT_EQ(allocations_, 1);
  }
  EXPECT_EQ(releases_, 1);
  TextToNumber(text.c_str());
  EXPECT_EQ(allocations_, 2);
  EXPECT_EQ(releases_, 2);
}

}  // namespace
