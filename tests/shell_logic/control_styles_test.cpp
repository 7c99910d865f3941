// The style arithmetic of the creators, against the styles the main window
// and its controls are documented to have, and the border tables.
#include <gtest/gtest.h>

#include "control_styles.h"
#include "window_description.h"

namespace {

constexpr std::uint32_t kVisibleTabStop = record_flag::kVisible | record_flag::kTabStop;

TEST(MainWindowStyles, MatchTheDocumentedValues) {
  WindowProperties window;
  window.version = 6;
  window.title = "Talvenor";
  EXPECT_EQ(FormWindowStyles(window, RecordFlagStyles(record_flag::kVisible, true)), (WindowStyles{0x02CA0000, 0}));

  EXPECT_EQ(EditBoxStyle(EditBoxProperties{}, RecordFlagStyles(kVisibleTabStop, false)), 0x44010080u);
  EXPECT_EQ(ControlBorderStyles(EditBoxProperties{}.border), (WindowStyles{0, 0x200}));  // sunken
  EXPECT_EQ(ButtonStyle(ButtonProperties{}, RecordFlagStyles(kVisibleTabStop, false)), 0x44012F00u);
  EXPECT_EQ(LabelStyle(RecordFlagStyles(record_flag::kVisible, false)), 0x44000000u);
  EXPECT_EQ(ControlBorderStyles(LabelProperties{}.border), (WindowStyles{0, 0}));
}

TEST(RecordFlags, DisabledForAllTabStopForControlsOnly) {
  const std::uint32_t all = record_flag::kVisible | record_flag::kDisabled | record_flag::kTabStop;
  EXPECT_EQ(RecordFlagStyles(all, false), 0x08010000u);  // WS_DISABLED | WS_TABSTOP
  EXPECT_EQ(RecordFlagStyles(all, true), 0x08000000u);   // WS_TABSTOP would be WS_MAXIMIZEBOX
  EXPECT_EQ(RecordFlagStyles(record_flag::kVisible, false), 0u);
}

struct WindowBorderRow {
  std::int32_t border;
  bool titled;
  bool control_box;
  WindowStyles expected;  // with the minimise button (a default) and no given style
};

class WindowBorderTable : public ::testing::TestWithParam<WindowBorderRow> {};

TEST_P(WindowBorderTable, CaptionFrameAndExtendedStyle) {
  const WindowBorderRow& row = GetParam();
  WindowProperties window;
  window.border = row.border;
  window.title = row.titled ? "t" : "";
  window.control_box = row.control_box;
  window.start_position = 0;
  EXPECT_EQ(FormWindowStyles(window, 0), row.expected)
      << "border=" << row.border << " titled=" << row.titled << " box=" << row.control_box;
}

// WS_CLIPCHILDREN 0x02000000, WS_CAPTION 0x00C00000, WS_DLGFRAME 0x00400000,
// WS_SYSMENU 0x00080000, WS_THICKFRAME 0x00040000, WS_MINIMIZEBOX 0x00020000.
INSTANTIATE_TEST_SUITE_P(
    Borders, WindowBorderTable,
    ::testing::Values(WindowBorderRow{0, true, true, {0x02020000, 0}},  // no caption, no frame, still the box bit
                      WindowBorderRow{1, true, true, {0x02CE0000, 0}}, WindowBorderRow{2, true, false, {0x02C20000, 0}},
                      WindowBorderRow{2, false, false, {0x02420000, 0}},  // a frame without a caption bar
                      WindowBorderRow{3, true, true, {0x02CE0000, 0x80}},
                      WindowBorderRow{4, true, true, {0x02CA0000, 0x80}},
                      WindowBorderRow{5, false, true, {0x02CE0000, 0x200}},
                      WindowBorderRow{6, true, true, {0x02CA0000, 0x200}}));

TEST(WindowStartPosition, MinimisedAlwaysMaximisedOnlyWhenResizable) {
  WindowProperties window;
  window.start_position = 2;
  EXPECT_EQ(FormWindowStyles(window, 0).style & 0x20000000u, 0x20000000u);  // WS_MINIMIZE
  window.start_position = 3;
  EXPECT_EQ(FormWindowStyles(window, 0).style & 0x01000000u, 0u);  // fixed frame: no WS_MAXIMIZE
  window.border = 1;
  window.maximise_button = true;
  EXPECT_EQ(FormWindowStyles(window, 0).style, 0x03CF0000u);  // + WS_MAXIMIZE, WS_MAXIMIZEBOX
}

struct ControlBorderRow {
  std::int32_t border;
  WindowStyles expected;
};

class ControlBorderTable : public ::testing::TestWithParam<ControlBorderRow> {};

TEST_P(ControlBorderTable, Styles) {
  EXPECT_EQ(ControlBorderStyles(GetParam().border), GetParam().expected) << "border=" << GetParam().border;
}

INSTANTIATE_TEST_SUITE_P(Borders, ControlBorderTable,
                         ::testing::Values(ControlBorderRow{0, {}}, ControlBorderRow{1, {0, 0x200}},
                                           ControlBorderRow{2, {0, 0x1}}, ControlBorderRow{3, {0, 0x20000}},
                                           ControlBorderRow{4, {0, 0x201}}, ControlBorderRow{5, {0x00800000, 0}},
                                           ControlBorderRow{6, {}}, ControlBorderRow{-1, {}}));

struct EditStyleRow {
  const char* what;
  EditBoxProperties properties;
  std::uint32_t expected;  // with no given style
};

EditBoxProperties Edit(void (*change)(EditBoxProperties&)) {
  EditBoxProperties properties;
  change(properties);
  return properties;
}

class EditBoxStyles : public ::testing::TestWithParam<EditStyleRow> {};

TEST_P(EditBoxStyles, FromProperties) {
  EXPECT_EQ(EditBoxStyle(GetParam().properties, 0), GetParam().expected) << GetParam().what;
}

// WS_CHILD | WS_CLIPSIBLINGS = 0x44000000 in every row.
INSTANTIATE_TEST_SUITE_P(
    Properties, EditBoxStyles,
    ::testing::Values(EditStyleRow{"defaults: single line scrolling sideways", {}, 0x44000080},
                      EditStyleRow{"selection kept", Edit([](EditBoxProperties& p) { p.hide_selection = false; }),
                                   0x44000180},
                      EditStyleRow{"multi-line", Edit([](EditBoxProperties& p) { p.multi_line = true; }), 0x44001044},
                      EditStyleRow{"multi-line, both scroll bars", Edit([](EditBoxProperties& p) {
                                     p.multi_line = true;
                                     p.scroll_bars = 3;
                                   }),
                                   0x443010C4},
                      EditStyleRow{"multi-line, vertical bar", Edit([](EditBoxProperties& p) {
                                     p.multi_line = true;
                                     p.scroll_bars = 2;
                                   }),
                                   0x44201044},
                      EditStyleRow{"scroll bars ignored on one line",
                                   Edit([](EditBoxProperties& p) { p.scroll_bars = 3; }), 0x44000080},
                      EditStyleRow{"centred, read-only", Edit([](EditBoxProperties& p) {
                                     p.alignment = 1;
                                     p.input_mode = 1;
                                   }),
                                   0x44000881},
                      EditStyleRow{"right, password, upper case", Edit([](EditBoxProperties& p) {
                                     p.alignment = 2;
                                     p.input_mode = 2;
                                     p.case_conversion = 2;
                                   }),
                                   0x440000AA},
                      EditStyleRow{"lower case, numeric mode", Edit([](EditBoxProperties& p) {
                                     p.case_conversion = 1;
                                     p.input_mode = 5;
                                   }),
                                   0x44000090}));

TEST(ButtonStyles, DefaultButtonAndAlignments) {
  ButtonProperties button;
  button.default_button = 1;
  button.horizontal_alignment = 0;
  button.vertical_alignment = 2;
  EXPECT_EQ(ButtonStyle(button, 0), 0x44002901u);  // BS_DEFPUSHBUTTON | BS_LEFT | BS_BOTTOM | BS_MULTILINE
  button.default_button = 2;                       // only 1 makes a default button
  button.horizontal_alignment = 2;
  button.vertical_alignment = 0;
  EXPECT_EQ(ButtonStyle(button, 0), 0x44002600u);  // BS_RIGHT | BS_TOP
}

struct CentreRow {
  std::int32_t screen_width, screen_height;
  ScreenPoint expected;
};

class Centring : public ::testing::TestWithParam<CentreRow> {};

TEST_P(Centring, TruncatingDivision) {
  const CentreRow& row = GetParam();
  EXPECT_EQ(CentredOrigin(row.screen_width, row.screen_height, 421, 156), row.expected)
      << row.screen_width << "x" << row.screen_height;
}

INSTANTIATE_TEST_SUITE_P(Screens, Centring,
                         ::testing::Values(CentreRow{1024, 768, {301, 306}}, CentreRow{1920, 1080, {749, 462}},
                                           CentreRow{400, 100, {-10, -28}}));  // toward zero, not down

TEST(Centring, ExtremeSizesDoNotOverflow) {
  EXPECT_EQ(CentredOrigin(2147483647, 0, -2147483647 - 1, 0).x, 2147483647);
  EXPECT_EQ(CentredOrigin(-2147483647 - 1, 0, 2147483647, 0).x, -2147483647);
}

struct FormatRow {
  std::int32_t horizontal, vertical;
  bool wrap;
  std::uint32_t expected;
};

class LabelFormat : public ::testing::TestWithParam<FormatRow> {};

TEST_P(LabelFormat, ByAlignmentAndWrap) {
  const FormatRow& row = GetParam();
  LabelProperties label;
  label.horizontal_alignment = row.horizontal;
  label.vertical_alignment = row.vertical;
  label.word_wrap = row.wrap;
  EXPECT_EQ(LabelTextFormat(label), row.expected) << row.horizontal << "/" << row.vertical << " wrap=" << row.wrap;
}

// DT_NOCLIP 0x100, DT_SINGLELINE 0x20, DT_WORDBREAK 0x10, DT_BOTTOM 8,
// DT_VCENTER 4, DT_RIGHT 2, DT_CENTER 1; never DT_NOPREFIX (0x800).
INSTANTIATE_TEST_SUITE_P(Alignments, LabelFormat,
                         ::testing::Values(FormatRow{0, 1, false, 0x124},  // the main window's left labels
                                           FormatRow{1, 1, false, 0x125},  // 标签4
                                           FormatRow{2, 2, false, 0x12A}, FormatRow{0, 0, false, 0x120},
                                           FormatRow{1, 0, true, 0x115}, FormatRow{2, 2, true, 0x116}));

TEST(Colours, ButtonFaceStandsForTheSystemColour) {
  EXPECT_EQ(ResolveColour(0xFF000000, 0x00C0C0C0), 0x00C0C0C0u);
  EXPECT_EQ(ResolveColour(0x00FFFFFF, 0x00C0C0C0), 0x00FFFFFFu);
  EXPECT_EQ(ResolveColour(0xFE000000, 0x00C0C0C0), 0xFE000000u);
}

}  // namespace
