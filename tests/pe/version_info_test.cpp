// The version block reader on blocks assembled by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "version_info.h"

namespace {

// Writes one block: header, UTF-16 key, value, children, each aligned to 4
// bytes from the start of the resource. Keys and texts here are ASCII.
class BlockWriter {
 public:
  std::vector<std::uint8_t> bytes;

  std::size_t Open(const std::string& key, std::uint16_t value_length, std::uint16_t type) {
    Align();
    const std::size_t start = bytes.size();
    Put16(0);  // length, patched by Close
    Put16(value_length);
    Put16(type);
    for (char c : key) Put16(static_cast<std::uint8_t>(c));
    Put16(0);
    Align();
    return start;
  }
  void Close(std::size_t start) {
    const std::size_t length = bytes.size() - start;
    bytes[start] = static_cast<std::uint8_t>(length);
    bytes[start + 1] = static_cast<std::uint8_t>(length >> 8);
  }
  void Text(const std::string& s) {
    for (char c : s) Put16(static_cast<std::uint8_t>(c));
    Put16(0);
  }
  void Put16(std::uint32_t v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void Put32(std::uint32_t v) {
    Put16(v & 0xFFFF);
    Put16(v >> 16);
  }
  void Align() {
    while (bytes.size() % 4 != 0) bytes.push_back(0);
  }
};

void Fixed(BlockWriter& w, std::uint32_t signature) {
  w.Put32(signature);
  w.Put32(0x00010000);  // structure version
  w.Put32(0x00020003);  // file version 2.3.4.5
  w.Put32(0x00040005);
  w.Put32(0x00060007);  // product version 6.7.8.9
  w.Put32(0x00080009);
  w.Put32(0x3F);     // flags mask
  w.Put32(0);        // flags
  w.Put32(0x40004);  // NT, Windows32
  w.Put32(1);        // application
  w.Put32(0);
  w.Put32(0);
  w.Put32(0);
}

// value_in_bytes: the text values' lengths counted in bytes, as some tools write them.
std::vector<std::uint8_t> Sample(bool value_in_bytes = false, std::uint32_t signature = 0xFEEF04BD) {
  BlockWriter w;
  const std::size_t root = w.Open("VS_VERSION_INFO", 52, 0);
  Fixed(w, signature);
  const std::size_t sfi = w.Open("StringFileInfo", 0, 1);
  const std::size_t table = w.Open("080403a8", 0, 1);
  const std::pair<const char*, const char*> strings[] = {
      {"ProductName", "Talvenor"}, {"Comments", "1.0"}, {"Empty", ""}};
  for (const auto& [name, text] : strings) {
    const std::uint16_t chars = static_cast<std::uint16_t>(std::string(text).size() + 1);
    const std::size_t s = w.Open(name, value_in_bytes ? 2 * chars : chars, 1);
    w.Text(text);
    w.Close(s);
  }
  w.Close(table);
  w.Close(sfi);
  const std::size_t vfi = w.Open("VarFileInfo", 0, 1);
  const std::size_t var = w.Open("Translation", 8, 0);
  w.Put16(0x0804);
  w.Put16(936);
  w.Put16(0x0409);
  w.Put16(1200);
  w.Close(var);
  w.Close(vfi);
  w.Close(root);
  return w.bytes;
}

struct ReadRow {
  const char* label;
  bool value_in_bytes;
};

class ReadsVersion : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadsVersion, FixedInfoStringsAndTranslations) {
  const ReadRow& row = GetParam();
  const pe::VersionResult r = pe::ReadVersionInfo(Sample(row.value_in_bytes));
  ASSERT_EQ(r.error, pe::VersionError::kNone) << row.label << ": " << pe::VersionErrorName(r.error);
  EXPECT_EQ(r.info.file_version, (std::array<std::uint16_t, 4>{2, 3, 4, 5})) << row.label;
  EXPECT_EQ(r.info.product_version, (std::array<std::uint16_t, 4>{6, 7, 8, 9})) << row.label;
  EXPECT_EQ(r.info.file_os, 0x40004u) << row.label;
  EXPECT_EQ(r.info.file_type, 1u) << row.label;
  ASSERT_EQ(r.info.string_tables.size(), 1u) << row.label;
  EXPECT_EQ(r.info.string_tables[0].key, "080403a8") << row.label;
  const std::vector<std::pair<std::string, std::string>> expected{
      {"ProductName", "Talvenor"}, {"Comments", "1.0"}, {"Empty", ""}};
  EXPECT_EQ(r.info.string_tables[0].values, expected) << row.label;
  const std::vector<std::pair<std::uint16_t, std::uint16_t>> translations{{0x0804, 936}, {0x0409, 1200}};
  EXPECT_EQ(r.info.translations, translations) << row.label;

  bool found = false;
  EXPECT_EQ(pe::FindVersionString(r.info, "080403a8", "Comments", found), "1.0") << row.label;
  EXPECT_TRUE(found) << row.label;
  pe::FindVersionString(r.info, "040904b0", "Comments", found);
  EXPECT_FALSE(found) << row.label << ": another table";
}

const ReadRow kReadRows[] = {
    {"text lengths in characters", false},
    {"text lengths in bytes", true},
};
INSTANTIATE_TEST_SUITE_P(Lengths, ReadsVersion, testing::ValuesIn(kReadRows));

struct DamageRow {
  const char* what;
  std::vector<std::uint8_t> bytes;
  pe::VersionError expected;
};

std::vector<std::uint8_t> WithRootKey(char first) {
  std::vector<std::uint8_t> b = Sample();
  b[6] = static_cast<std::uint8_t>(first);
  return b;
}

std::vector<std::uint8_t> WithChildLength(std::uint16_t length) {
  std::vector<std::uint8_t> b = Sample();
  // The root's header (6), key (16 units = 32) and fixed info (52) put the
  // first child at 92.
  b[92] = static_cast<std::uint8_t>(length);
  b[93] = static_cast<std::uint8_t>(length >> 8);
  return b;
}

std::vector<std::uint8_t> Cut(std::size_t length) {
  std::vector<std::uint8_t> b = Sample();
  b.resize(length);
  return b;
}

class DamagedVersion : public testing::TestWithParam<DamageRow> {};

TEST_P(DamagedVersion, GivesTheError) {
  const DamageRow& row = GetParam();
  const pe::VersionResult r = pe::ReadVersionInfo(row.bytes);
  EXPECT_EQ(r.error, row.expected) << row.what << ": got " << pe::VersionErrorName(r.error);
}

const DamageRow kDamage[] = {
    {"empty", {}, pe::VersionError::kTruncated},
    {"root longer than the resource", Cut(200), pe::VersionError::kTruncated},
    {"root key not VS_VERSION_INFO", WithRootKey('X'), pe::VersionError::kBadRoot},
    {"fixed info signature wrong", Sample(false, 0xFEEF04BC), pe::VersionError::kBadSignature},
    {"child longer than its parent", WithChildLength(0x7FFF), pe::VersionError::kTruncated},
    {"child shorter than a header", WithChildLength(4), pe::VersionError::kTruncated},
};
INSTANTIATE_TEST_SUITE_P(Blocks, DamagedVersion, testing::ValuesIn(kDamage));

TEST(DamagedVersion, EveryShorterPrefixIsAnError) {
  const std::vector<std::uint8_t> full = Sample();
  for (std::size_t length = 0; length < full.size(); ++length) {
    EXPECT_NE(pe::ReadVersionInfo(Cut(length)).error, pe::VersionError::kNone) << "length=" << length;
  }
}

}  // namespace
