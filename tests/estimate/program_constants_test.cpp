#include <gtest/gtest.h>

#include <cstring>

#include "program_constants.h"

TEST(ProgramConstants, AreaHoldsItsTwentyNineBytesInOrder) {
  const auto& area = program_constants::Area();
  ASSERT_EQ(area.size(), 29u);
  EXPECT_EQ(area[0], 0);
  const unsigned char ten[8] = {0, 0, 0, 0, 0, 0, 0x24, 0x40};  // 10.0 little-endian
  const unsigned char two[8] = {0, 0, 0, 0, 0, 0, 0, 0x40};
  const unsigned char seven[8] = {0, 0, 0, 0, 0, 0, 0x1C, 0x40};
  EXPECT_EQ(std::memcmp(area.data() + 1, ten, 8), 0);
  EXPECT_EQ(std::memcmp(area.data() + 9, two, 8), 0);
  EXPECT_EQ(std::memcmp(area.data() + 17, seven, 8), 0);
  EXPECT_EQ(std::memcmp(area.data() + 25, " CM", 4), 0);
  EXPECT_EQ(program_constants::Ten(), 10.0);
  EXPECT_EQ(program_constants::Two(), 2.0);
  EXPECT_EQ(program_constants::Seven(), 7.0);
  EXPECT_STREQ(program_constants::EmptyText(), "");
  EXPECT_STREQ(program_constants::CmSuffix(), " CM");
}
