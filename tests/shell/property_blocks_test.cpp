// Property blocks: defaults, version checks, version-gated fields, fonts,
// flags, truncation and hostile counts.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "allocation_watch.h"
#include "description_writer.h"
#include "documented_defaults.h"
#include "le_bytes.h"
#include "property_blocks.h"

namespace {

using Bytes = std::vector<unsigned char>;

enum class Kind { kWindow, kEditBox, kLabel, kButton };

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::kWindow:
      return "window";
    case Kind::kEditBox:
      return "edit box";
    case Kind::kLabel:
      return "label";
    case Kind::kButton:
      return "button";
  }
  return "?";
}

FontRecord SomeFont() {
  FontRecord font{};
  for (std::size_t i = 0; i < font.size(); ++i) font[i] = static_cast<unsigned char>(0xC0 + i);
  return font;
}

// Every field away from its default, so a field read from the wrong place or
// left at its default shows.
WindowProperties FullWindow(std::uint32_t version) {
  WindowProperties p;
  p.version = version;
  p.border = 5;
  p.picture_mode = 3;
  p.background_colour = 0x00123456;
  p.maximise_button = true;
  p.minimise_button = false;
  p.control_box = false;
  p.start_position = 3;
  p.movable = false;
  p.music_mode = 7;
  p.enter_moves_focus = true;
  p.esc_closes = false;
  p.f1_opens_help = true;
  p.help_context = -12;
  p.shown_in_task_bar = false;
  p.drag_anywhere = true;
  p.shape = 29;
  p.always_on_top = true;
  p.keep_title_active = true;
  p.class_name = "MyClass";
  p.background_picture = {1, 2, 3};
  p.icon = {4, 5};
  p.background_music = {6};
  p.title = "T\xA1\xAA";
  p.help_file = "help.hlp";
  return p;
}

EditBoxProperties FullEditBox(std::uint32_t version) {
  EditBoxProperties p;
  p.version = version;
  p.border = 4;
  p.text_colour = 0x00010203;
  p.background_colour = 0xFF000000;
  p.hide_selection = false;
  p.maximum_length = 31;
  p.multi_line = true;
  p.scroll_bars = 3;
  p.alignment = 2;
  p.input_mode = 2;
  p.password_character = 0xA1AA;
  p.case_conversion = 2;
  p.spin_control = 1;
  p.spin_minimum = -5;
  p.spin_maximum = 500;
  p.selection_start = 2;
  p.selection_length = 9;
  p.font = SomeFont();
  p.content = "40";
  p.data_source = "source";
  p.data_column = "column";
  return p;
}

LabelProperties FullLabel(std::uint32_t version) {
  LabelProperties p;
  p.version = version;
  p.text_effect = 3;
  p.gradient_border_width = 2;
  p.border = 6;
  p.gradient_border_colours = {1, 2, 3};
  p.text_colour = 0x00FF00FF;
  p.background_colour = 0x00ABCDEF;
  p.picture_mode = 2;
  p.gradient_background = 4;
  p.gradient_background_colours = {4, 5, 6};
  p.horizontal_alignment = 2;
  p.vertical_alignment = 0;
  p.word_wrap = true;
  p.font = SomeFont();
  p.background_picture = {9, 8, 7};
  p.caption = "&Caption";
  p.data_source = "source";
  p.data_column = "column";
  return p;
}

ButtonProperties FullButton(std::uint32_t version) {
  ButtonProperties p;
  p.version = version;
  p.default_button = 1;
  p.horizontal_alignment = 0;
  p.vertical_alignment = 2;
  p.picture = {0xFF, 0};
  p.font = SomeFont();
  p.caption = "OK";
  return p;
}

Bytes EncodeFull(Kind kind, std::uint32_t version) {
  switch (kind) {
    case Kind::kWindow:
      return EncodeWindowProperties(FullWindow(version));
    case Kind::kEditBox:
      return EncodeEditBoxProperties(FullEditBox(version));
    case Kind::kLabel:
      return EncodeLabelProperties(FullLabel(version));
    case Kind::kButton:
      return EncodeButtonProperties(FullButton(version));
  }
  return {};
}

// The reader's verdict, and whether what it read equals the full struct of
// the given version.
struct Verdict {
  PropertyBlockError error;
  bool equals_full;
  std::string field;  // the failing field
};

Verdict ReadAs(Kind kind, std::span<const unsigned char> block, std::uint32_t full_version) {
  switch (kind) {
    case Kind::kWindow: {
      auto r = ReadWindowProperties(block);
      return {r.error, r.properties == FullWindow(full_version), r.field};
    }
    case Kind::kEditBox: {
      auto r = ReadEditBoxProperties(block);
      return {r.error, r.properties == FullEditBox(full_version), r.field};
    }
    case Kind::kLabel: {
      auto r = ReadLabelProperties(block);
      return {r.error, r.properties == FullLabel(full_version), r.field};
    }
    case Kind::kButton: {
      auto r = ReadButtonProperties(block);
      return {r.error, r.properties == FullButton(full_version), r.field};
    }
  }
  return {PropertyBlockError::kNone, false, ""};
}

TEST(PropertyBlockDefaults, EmptyBlockKeepsEveryDocumentedDefault) {
  const Bytes empty;
  const auto window = ReadWindowProperties(empty);
  const auto edit = ReadEditBoxProperties(empty);
  const auto label = ReadLabelProperties(empty);
  const auto button = ReadButtonProperties(empty);
  ASSERT_TRUE(window && edit && label && button);
  EXPECT_TRUE(window.properties == DocumentedWindowDefaults());
  EXPECT_TRUE(edit.properties == DocumentedEditBoxDefaults());
  EXPECT_TRUE(label.properties == DocumentedLabelDefaults());
  EXPECT_TRUE(button.properties == DocumentedButtonDefaults());
}

struct VersionRow {
  Kind kind;
  std::uint32_t version;
  PropertyBlockError expected;
};
void PrintTo(const VersionRow& row, std::ostream* os) { *os << KindName(row.kind) << " version " << row.version; }
void PrintTo(Kind kind, std::ostream* os) { *os << KindName(kind); }

class PropertyBlockVersion : public ::testing::TestWithParam<VersionRow> {};

TEST_P(PropertyBlockVersion, AboveTheHighestIsRefused) {
  const VersionRow& row = GetParam();
  const Bytes block = EncodeFull(row.kind, row.version);
  const Verdict verdict = ReadAs(row.kind, block, row.version);
  EXPECT_EQ(verdict.error, row.expected) << KindName(row.kind) << " version " << row.version;
  if (row.expected == PropertyBlockError::kNone) {
    EXPECT_TRUE(verdict.equals_full) << KindName(row.kind);
  }
}

constexpr VersionRow kVersionRows[] = {
    {Kind::kWindow, 6, PropertyBlockError::kNone},
    {Kind::kWindow, 7, PropertyBlockError::kVersionTooHigh},
    {Kind::kWindow, 0xFFFFFFFF, PropertyBlockError::kVersionTooHigh},  // not a negative version
    {Kind::kEditBox, 2, PropertyBlockError::kNone},
    {Kind::kEditBox, 3, PropertyBlockError::kVersionTooHigh},
    {Kind::kLabel, 2, PropertyBlockError::kNone},
    {Kind::kLabel, 3, PropertyBlockError::kVersionTooHigh},
    {Kind::kButton, 1, PropertyBlockError::kNone},
    {Kind::kButton, 2, PropertyBlockError::kVersionTooHigh},
    {Kind::kButton, 0, PropertyBlockError::kNone},
};
INSTANTIATE_TEST_SUITE_P(Versions, PropertyBlockVersion, ::testing::ValuesIn(kVersionRows));

class PropertyBlockTruncation : public ::testing::TestWithParam<Kind> {};

// A block cut anywhere after its first byte ends inside or before a field its
// version promises; the whole block reads back exactly.
TEST_P(PropertyBlockTruncation, EveryCutIsRefusedAndTheWholeReadsBack) {
  const Kind kind = GetParam();
  const std::uint32_t highest = kind == Kind::kWindow ? 6 : kind == Kind::kButton ? 1 : 2;
  const Bytes block = EncodeFull(kind, highest);
  for (std::size_t cut = 1; cut < block.size(); ++cut) {
    const Verdict verdict = ReadAs(kind, std::span(block).first(cut), highest);
    EXPECT_EQ(verdict.error, PropertyBlockError::kUnexpectedEnd) << KindName(kind) << " cut at " << cut;
  }
  const Verdict whole = ReadAs(kind, block, highest);
  EXPECT_EQ(whole.error, PropertyBlockError::kNone) << KindName(kind);
  EXPECT_TRUE(whole.equals_full) << KindName(kind);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, PropertyBlockTruncation,
                         ::testing::Values(Kind::kWindow, Kind::kEditBox, Kind::kLabel, Kind::kButton));

// Fields a version does not have keep their defaults, whatever the writer held.
struct WindowGateRow {
  std::uint32_t version;
  std::size_t size;  // 4 + 13 fields before the gated ones, the gated ones, 5 counted runs
  bool shown_in_task_bar, drag_anywhere;
  std::int32_t shape;
  bool always_on_top, keep_title_active;
  const char* class_name;
};

class WindowVersionGates : public ::testing::TestWithParam<WindowGateRow> {};

TEST_P(WindowVersionGates, AbsentFieldsKeepDefaults) {
  const WindowGateRow& row = GetParam();
  const Bytes block = EncodeWindowProperties(FullWindow(row.version));
  EXPECT_EQ(block.size(), row.size) << "version " << row.version;
  const auto read = ReadWindowProperties(block);
  ASSERT_TRUE(read) << "version " << row.version;
  const WindowProperties& p = read.properties;
  EXPECT_EQ(p.shown_in_task_bar, row.shown_in_task_bar) << "version " << row.version;
  EXPECT_EQ(p.drag_anywhere, row.drag_anywhere) << "version " << row.version;
  EXPECT_EQ(p.shape, row.shape) << "version " << row.version;
  EXPECT_EQ(p.always_on_top, row.always_on_top) << "version " << row.version;
  EXPECT_EQ(p.keep_title_active, row.keep_title_active) << "version " << row.version;
  EXPECT_EQ(p.class_name, row.class_name) << "version " << row.version;
  // The ungated fields on either side of the gated ones are always read.
  EXPECT_EQ(p.help_context, -12) << "version " << row.version;
  EXPECT_EQ(p.title, "T\xA1\xAA") << "version " << row.version;
  EXPECT_EQ(p.help_file, "help.hlp") << "version " << row.version;
}

// Counted runs after the gates: 3 + 2 + 1 data bytes, 3 title bytes, 8 help
// file bytes, 5 counts: 37 bytes. Before them 56 bytes.
constexpr WindowGateRow kWindowGateRows[] = {
    {0, 93, true, false, 0, false, false, ""},        {1, 93, true, false, 0, false, false, ""},
    {2, 97, false, false, 0, false, false, ""},       {3, 105, false, true, 29, false, false, ""},
    {4, 109, false, true, 29, true, false, ""},       {5, 113, false, true, 29, true, true, ""},
    {6, 124, false, true, 29, true, true, "MyClass"},
};
INSTANTIATE_TEST_SUITE_P(Versions, WindowVersionGates, ::testing::ValuesIn(kWindowGateRows));

TEST(EditAndLabelVersionGates, DataSourceAndColumnOnlyFromVersion2) {
  for (std::uint32_t version : {0u, 1u, 2u}) {
    const auto edit = ReadEditBoxProperties(EncodeEditBoxProperties(FullEditBox(version)));
    const auto label = ReadLabelProperties(EncodeLabelProperties(FullLabel(version)));
    ASSERT_TRUE(edit && label) << "version " << version;
    const std::string source = version >= 2 ? "source" : "";
    const std::string column = version >= 2 ? "column" : "";
    EXPECT_EQ(edit.properties.data_source, source) << "version " << version;
    EXPECT_EQ(edit.properties.data_column, column) << "version " << version;
    EXPECT_EQ(edit.properties.content, "40") << "version " << version;
    EXPECT_EQ(label.properties.data_source, source) << "version " << version;
    EXPECT_EQ(label.properties.data_column, column) << "version " << version;
    EXPECT_EQ(label.properties.caption, "&Caption") << "version " << version;
  }
}

// An edit box block of version 0 written by hand, with the hide-selection flag
// value and the font's byte count chosen by the row.
Bytes HandWrittenEditBox(std::uint32_t hide_selection, std::uint32_t font_size) {
  LeBytes b;
  b.U32(0).U32(1).U32(0).U32(0xFFFFFF).U32(hide_selection).U32(0).U32(0).U32(0).U32(0).U32(0);
  b.U16(0x23);  // password character "#"
  b.U32(0).U32(0).U32(0).U32(100).U32(0).U32(0);
  b.U32(font_size);
  for (std::uint32_t i = 0; i < font_size; ++i) b.Raw(std::string(1, static_cast<char>(i + 1)));
  b.Counted("after the font");
  return b.bytes();
}

struct FontRow {
  std::uint32_t font_size;
  bool font_kept;
  const char* why;
};

class EditBoxFont : public ::testing::TestWithParam<FontRow> {};

TEST_P(EditBoxFont, OnlySixtyBytesAreAFont) {
  const FontRow& row = GetParam();
  const auto read = ReadEditBoxProperties(HandWrittenEditBox(1, row.font_size));
  ASSERT_TRUE(read) << row.font_size << " bytes: " << row.why;
  EXPECT_EQ(read.properties.font.has_value(), row.font_kept) << row.font_size << " bytes: " << row.why;
  if (row.font_kept) {
    EXPECT_EQ((*read.properties.font)[0], 1);
    EXPECT_EQ((*read.properties.font)[59], 60);
  }
  EXPECT_EQ(read.properties.password_character, 0x23);
  EXPECT_EQ(read.properties.content, "after the font") << row.font_size << " bytes: " << row.why;
}

constexpr FontRow kFontRows[] = {
    {60, true, "a font record"},
    {0, false, "no font"},
    {59, false, "one byte short: default font, bytes still passed over"},
    {61, false, "one byte long: default font, bytes still passed over"},
};
INSTANTIATE_TEST_SUITE_P(Sizes, EditBoxFont, ::testing::ValuesIn(kFontRows));

struct FlagRow {
  std::uint32_t stored;
  bool set;
};

class PropertyFlag : public ::testing::TestWithParam<FlagRow> {};

TEST_P(PropertyFlag, OnlyOneMeansSet) {
  const auto read = ReadEditBoxProperties(HandWrittenEditBox(GetParam().stored, 0));
  ASSERT_TRUE(read);
  EXPECT_EQ(read.properties.hide_selection, GetParam().set) << "stored " << GetParam().stored;
}

constexpr FlagRow kFlagRows[] = {{0, false}, {1, true}, {2, false}, {0xFFFFFFFF, false}, {0x101, false}};
INSTANTIATE_TEST_SUITE_P(Values, PropertyFlag, ::testing::ValuesIn(kFlagRows));

// Counts near 2^31 and 2^32 with only a few bytes behind them.
struct HostileRow {
  Kind kind;
  std::uint32_t count;
  const char* field;
};

class PropertyBlockHostileCount : public ::testing::TestWithParam<HostileRow> {};

TEST_P(PropertyBlockHostileCount, FailsWithoutAllocatingTheCount) {
  const HostileRow& row = GetParam();
  // A version 0 block whose first counted run carries the hostile count.
  LeBytes b;
  b.U32(0);
  switch (row.kind) {
    case Kind::kWindow:
      b.Zeros(13 * 4);
      break;
    case Kind::kEditBox:
      b.Zeros(9 * 4).U16(42).Zeros(6 * 4);
      break;
    case Kind::kLabel:
      b.Zeros(16 * 4);
      break;
    case Kind::kButton:
      b.Zeros(3 * 4);
      break;
  }
  b.U32(row.count).Raw("abc");
  Verdict verdict{};
  std::size_t largest = 0;
  {
    AllocationWatch watch;
    verdict = ReadAs(row.kind, b.bytes(), 0);
    largest = watch.largest_request();
  }
  EXPECT_EQ(verdict.error, PropertyBlockError::kUnexpectedEnd) << KindName(row.kind) << " count " << row.count;
  EXPECT_EQ(verdict.field, row.field) << KindName(row.kind) << " count " << row.count;
  EXPECT_LT(largest, 4096u) << KindName(row.kind) << " count " << row.count;
}

constexpr HostileRow kHostileRows[] = {
    {Kind::kWindow, 0x80000000, "background picture"},
    {Kind::kWindow, 0xFFFFFFFF, "background picture"},
    {Kind::kEditBox, 0x80000000, "font"},
    {Kind::kLabel, 0x80000000, "font"},
    {Kind::kButton, 0xFFFFFFFC, "picture"},
};
INSTANTIATE_TEST_SUITE_P(Counts, PropertyBlockHostileCount, ::testing::ValuesIn(kHostileRows));

}  // namespace
