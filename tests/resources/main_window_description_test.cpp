// The main window's stored description read back: every record and property
// as documented, and every cut of it refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "documented_defaults.h"
#include "main_window_description.h"
#include "property_blocks.h"
#include "window_description.h"

namespace {

// Records in stored order, with the texts as code page 936 bytes.
struct RecordRow {
  const char* name;
  std::uint32_t unit_number;
  std::uint32_t control_type;
  std::int32_t left, top, width, height;
  bool tab_stop;
};

constexpr RecordRow kRecordRows[] = {
    {"", 100728832, 65537, 50, 50, 421, 156, false},
    {"\xB1\xEA\xC7\xA9"
     "4",
     369164299, 65546, 304, 88, 88, 32, false},  // 标签4
    {"\xB1\xEA\xC7\xA9"
     "3",
     369164298, 65546, 26, 104, 232, 16, false},  // 标签3
    {"\xB1\xEA\xC7\xA9"
     "2",
     369164295, 65546, 25, 56, 48, 40, false},  // 标签2
    {"\xB1\xE0\xBC\xAD\xBF\xF2"
     "1",
     369164294, 65541, 72, 24, 200, 32, true},  // 编辑框1
    {"\xB1\xE0\xBC\xAD\xBF\xF2"
     "2",
     369164293, 65541, 71, 64, 200, 32, true},  // 编辑框2
    {"\xB0\xB4\xC5\xA5"
     "1",
     369164292, 65547, 296, 40, 104, 32, true},  // 按钮1
    {"\xB1\xEA\xC7\xA9"
     "1",
     369164291, 65546, 24, 16, 48, 40, false},  // 标签1
};

const std::vector<WindowDescription>& MainWindow() {
  static const std::vector<WindowDescription> windows = [] {
    DescriptionReadResult read = ReadWindowDescriptions(MainWindowStoredForm());
    EXPECT_TRUE(read) << read.field << " at " << read.offset;
    return read.windows;
  }();
  return windows;
}

TEST(MainWindowStoredForm, HoldsOneWindowOfEightRecords) {
  ASSERT_EQ(MainWindow().size(), 1u);
  const WindowDescription& window = MainWindow()[0];
  EXPECT_EQ(window.window_number, 1375797249u);
  EXPECT_EQ(window.name, "");
  EXPECT_EQ(window.remark, "");
  EXPECT_EQ(window.records.size(), 8u);
}

class MainWindowRecord : public ::testing::TestWithParam<std::size_t> {};

TEST_P(MainWindowRecord, MatchesTheTable) {
  const std::size_t index = GetParam();
  const RecordRow& row = kRecordRows[index];
  ASSERT_EQ(MainWindow().size(), 1u);
  ASSERT_LT(index, MainWindow()[0].records.size());
  const DescriptionRecord& record = MainWindow()[0].records[index];
  EXPECT_EQ(record.unit_number, row.unit_number) << "record " << index;
  EXPECT_EQ(record.control_type, row.control_type) << "record " << index;
  EXPECT_EQ(record.name, row.name) << "record " << index;
  EXPECT_EQ(record.remark, "") << "record " << index;
  EXPECT_EQ(record.binding_link, 0u) << "record " << index;
  EXPECT_EQ(record.left, row.left) << "record " << index;
  EXPECT_EQ(record.top, row.top) << "record " << index;
  EXPECT_EQ(record.width, row.width) << "record " << index;
  EXPECT_EQ(record.height, row.height) << "record " << index;
  EXPECT_EQ(record.parent, 0u) << "record " << index;
  EXPECT_TRUE(record.children.empty()) << "record " << index;
  EXPECT_EQ(record.mouse_pointer, (std::vector<unsigned char>{0, 0, 0, 0})) << "record " << index;
  EXPECT_EQ(record.tag, "") << "record " << index;
  // Visible, enabled, tab stop as the table says, no other bit.
  EXPECT_EQ(record.flags, row.tab_stop ? 0b101u : 0b001u) << "record " << index;
  EXPECT_EQ(record.tab_order, 0) << "record " << index;
  EXPECT_EQ(record.object, nullptr) << "record " << index;
}

INSTANTIATE_TEST_SUITE_P(Records, MainWindowRecord, ::testing::Range<std::size_t>(0, 8));

TEST(MainWindowStoredForm, OnlyTheButtonIsBoundToTheClickHandler) {
  ASSERT_EQ(MainWindow().size(), 1u);
  std::size_t bindings = 0;
  for (const DescriptionRecord& record : MainWindow()[0].records) bindings += record.event_bindings.size();
  EXPECT_EQ(bindings, 1u);
  const DescriptionRecord& button = MainWindow()[0].records[6];
  ASSERT_EQ(button.event_bindings.size(), 1u);
  EXPECT_EQ(button.event_bindings[0].event, 0);
  EXPECT_EQ(button.event_bindings[0].handler_offset, 199);
  EXPECT_EQ(button.event_bindings[0].handler, nullptr);
}

TEST(MainWindowProperties, WindowIsVersion6WithOnlyTheTitleSet) {
  const auto read = ReadWindowProperties(MainWindow().at(0).records.at(0).property_block);
  ASSERT_TRUE(read) << read.field;
  WindowProperties expected = DocumentedWindowDefaults();
  expected.version = 6;
  expected.title = "Talvenor\xA1\xAAV1.0";  // the dash is U+2014 EM DASH
  EXPECT_TRUE(read.properties == expected);
  EXPECT_EQ(read.properties.title, expected.title);
}

struct LabelRow {
  std::size_t record;
  const char* caption;
  std::int32_t horizontal_alignment;
};

class MainWindowLabel : public ::testing::TestWithParam<LabelRow> {};

TEST_P(MainWindowLabel, IsVersion2WithItsCaption) {
  const LabelRow& row = GetParam();
  const auto read = ReadLabelProperties(MainWindow().at(0).records.at(row.record).property_block);
  ASSERT_TRUE(read) << "record " << row.record << ": " << read.field;
  LabelProperties expected = DocumentedLabelDefaults();
  expected.version = 2;
  expected.caption = row.caption;
  expected.horizontal_alignment = row.horizontal_alignment;
  EXPECT_TRUE(read.properties == expected) << "record " << row.record;
  EXPECT_EQ(read.properties.caption, row.caption) << "record " << row.record;
}

const LabelRow kLabelRows[] = {
    {1, "Quorrel", 1},
    {2,
     "\xD7\xA2\xA3\xBA\xB1\xBE\xB9\xA4\xBE\xDF\xD3\xE9\xC0\xD6\xD0\xD4\xB3\xC9\xB7\xD6\xB8\xDF\xD3\xDA\xD4\xA4\xB2\xE2"
     "\xB5\xC4\xD7\xBC\xC8\xB7\xD0\xD4\xA3\xA1",  // 注：本工具娱乐性成分高于预测的准确性！
     0},
    {3, "\xC9\xED\xB8\xDF\xA3\xBA", 0},  // 身高：
    {7, "\xB3\xDF\xC2\xEB\xA3\xBA", 0},  // 尺码：
};
INSTANTIATE_TEST_SUITE_P(Labels, MainWindowLabel, ::testing::ValuesIn(kLabelRows));

TEST(MainWindowProperties, EditBoxesHaveEmptyBlocksReadAsDefaults) {
  for (std::size_t record : {4u, 5u}) {
    const std::vector<unsigned char>& block = MainWindow().at(0).records.at(record).property_block;
    EXPECT_TRUE(block.empty()) << "record " << record;
    const auto read = ReadEditBoxProperties(block);
    ASSERT_TRUE(read) << "record " << record;
    EXPECT_TRUE(read.properties == DocumentedEditBoxDefaults()) << "record " << record;
  }
}

TEST(MainWindowProperties, ButtonIsVersion1WithItsCaption) {
  const auto read = ReadButtonProperties(MainWindow().at(0).records.at(6).property_block);
  ASSERT_TRUE(read) << read.field;
  ButtonProperties expected = DocumentedButtonDefaults();
  expected.version = 1;
  expected.caption = "biubiu";
  EXPECT_TRUE(read.properties == expected);
}

// The stored header, word by word, as the program carries it.
TEST(MainWindowStoredForm, HeaderWordsAreAsDocumented) {
  const std::span<const unsigned char> stored = MainWindowStoredForm();
  ASSERT_GE(stored.size(), 72u);
  const auto word = [&](std::size_t index) {
    const std::size_t at = index * 4;
    return static_cast<std::uint32_t>(stored[at] | (stored[at + 1] << 8) | (stored[at + 2] << 16) |
                                      (static_cast<std::uint32_t>(stored[at + 3]) << 24));
  };
  const std::uint32_t expected[] = {8,         1375797249, 0,         0,         0,         0,
                                    0,         8,          0,         100728832, 369164299, 369164298,
                                    369164295, 369164294,  369164293, 369164292, 369164291, 0};
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    if (i == 8) continue;  // the record data's byte count, checked below
    EXPECT_EQ(word(i), expected[i]) << "word " << i;
  }
  // Everything after the data size field (word 8, ending at byte 36) is data.
  EXPECT_EQ(word(8), stored.size() - 36);
}

TEST(MainWindowStoredForm, EveryCutFails) {
  const std::span<const unsigned char> stored = MainWindowStoredForm();
  for (std::size_t cut = 0; cut < stored.size(); ++cut) {
    const DescriptionReadResult read = ReadWindowDescriptions(stored.first(cut));
    EXPECT_EQ(read.error, DescriptionError::kUnexpectedEnd) << "cut at " << cut;
    EXPECT_TRUE(read.windows.empty()) << "cut at " << cut;
  }
}

#ifdef TALVENOR_DESCRIPTION_SEEDS
// The fuzzer starts from the current stored form; regenerate the seeds with
// the regenerate_description_seeds target after changing the description.
TEST(MainWindowStoredForm, FuzzerSeedIsCurrent) {
  std::ifstream seed(TALVENOR_DESCRIPTION_SEEDS "/main_window", std::ios::binary);
  ASSERT_TRUE(seed) << TALVENOR_DESCRIPTION_SEEDS;
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(seed)), std::istreambuf_iterator<char>());
  const std::span<const unsigned char> stored = MainWindowStoredForm();
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), stored.begin(), stored.end()));
}
#endif

}  // namespace
