// The icon structure readers on hand-written bytes.
#include <gtest/gtest.h>

#include <vector>

#include "icon_format.h"

namespace {

// ICONDIR with one 16-byte entry for a 4-byte image at offset 22.
std::vector<std::uint8_t> OneImageIco() {
  return {0,    0,    1,    0,   1, 0,                                  // reserved, icon, one image
          32,   32,   0,    0,   1, 0, 32, 0, 4, 0, 0, 0, 22, 0, 0, 0,  // 32x32, 1 plane, 32 bpp, 4 bytes at 22
          0xDE, 0xAD, 0xBE, 0xEF};
}

TEST(IcoFile, ReadsItsEntry) {
  std::vector<pe::IconEntry> entries;
  ASSERT_TRUE(pe::ReadIcoFile(OneImageIco(), entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].width, 32);
  EXPECT_EQ(entries[0].height, 32);
  EXPECT_EQ(entries[0].planes, 1);
  EXPECT_EQ(entries[0].bit_count, 32);
  EXPECT_EQ(entries[0].bytes, 4u);
  EXPECT_EQ(entries[0].offset, 22u);
}

struct BadIcoRow {
  const char* what;
  std::size_t at;
  std::uint8_t value;
};

class BadIco : public testing::TestWithParam<BadIcoRow> {};

TEST_P(BadIco, IsRefused) {
  std::vector<std::uint8_t> file = OneImageIco();
  file[GetParam().at] = GetParam().value;
  std::vector<pe::IconEntry> entries;
  EXPECT_FALSE(pe::ReadIcoFile(file, entries)) << GetParam().what;
  EXPECT_TRUE(entries.empty()) << GetParam().what;
}

const BadIcoRow kBadIco[] = {
    {"reserved field set", 0, 1},          {"a cursor, not an icon", 2, 2},
    {"two entries, one present", 4, 2},    {"image one byte past the end", 14, 5},
    {"image offset past the end", 18, 23}, {"image offset near 4 GiB", 21, 0xFF},
};
INSTANTIATE_TEST_SUITE_P(Fields, BadIco, testing::ValuesIn(kBadIco));

TEST(IconGroup, ReadsEntriesAndRefusesCutOnes) {
  const std::vector<std::uint8_t> group{0,  0,  1, 0, 1, 0,  // reserved, icon, one entry
                                        32, 32, 0, 0, 1, 0, 32, 0, 0xA8, 0x10, 0, 0, 7, 0};
  std::vector<pe::IconEntry> entries;
  ASSERT_TRUE(pe::ReadIconGroup(group, entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].bytes, 0x10A8u);
  EXPECT_EQ(entries[0].id, 7);
  for (std::size_t length = 0; length < group.size(); ++length) {
    EXPECT_FALSE(pe::ReadIconGroup(std::span(group).first(length), entries)) << "length=" << length;
  }
}

TEST(DibHeader, ReadsTheClassicHeaderOnly) {
  std::vector<std::uint8_t> header(40);
  header[0] = 40;
  header[4] = 32;   // width
  header[8] = 64;   // height: colour and mask
  header[12] = 1;   // planes
  header[14] = 32;  // bits per pixel
  pe::DibHeader dib;
  ASSERT_TRUE(pe::ReadDibHeader(header, dib));
  EXPECT_EQ(dib.width, 32);
  EXPECT_EQ(dib.height, 64);
  EXPECT_EQ(dib.bit_count, 32);
  EXPECT_EQ(dib.compression, 0u);

  EXPECT_FALSE(pe::ReadDibHeader(std::span(header).first(39), dib)) << "cut header";
  const std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_FALSE(pe::ReadDibHeader(png, dib)) << "a PNG image is no classic header";
}

}  // namespace
