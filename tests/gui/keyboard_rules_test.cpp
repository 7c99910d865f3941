// The keyboard rules that Talvenor's own window does not reach, on the
// keyboard fixture program's window: focus order sorted by tab order, Enter
// clicking the default push button, a multi-line box keeping Enter, label
// and button mnemonics. Clicks show as lines the handlers write into the log
// box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "estimate_steps.h"
#include "focus_walk.h"
#include "keyboard_fixture_window.h"
#include "launched_window.h"
#include "poll.h"
#include "user_input.h"
#include "window_probe.h"

namespace gui {
namespace {

namespace fixture = keyboard_fixture;

// The focus order from the first focus on.
const int kFocusOrder[] = {fixture::kFirstBoxId, fixture::kOtherButtonId, fixture::kGoButtonId,  fixture::kNameBoxId,
                           fixture::kLogBoxId,   fixture::kMemoBoxId,     fixture::kNextButtonId};

const char* NameOf(int id) {
  switch (id) {
    case fixture::kNameLabelId:
      return "name label";
    case fixture::kNameBoxId:
      return "name box";
    case fixture::kLogBoxId:
      return "log box";
    case fixture::kGoButtonId:
      return "Go button";
    case fixture::kOtherButtonId:
      return "Other button";
    case fixture::kFirstBoxId:
      return "first box";
    case fixture::kLogLabelId:
      return "log label";
    case fixture::kDisabledButtonId:
      return "disabled button";
    case fixture::kMemoBoxId:
      return "memo box";
    case fixture::kNextButtonId:
      return "Next button";
    default:
      return "no control";
  }
}

class KeyboardRules : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Launch(&launched_));
    ASSERT_TRUE(BringToFront(window().window));
    ASSERT_TRUE(focus_.Reaches(fixture::kFirstBoxId)) << "focus on " << focus_.FocusedName();
  }
  const MainWindow& window() const { return launched_.main; }
  HWND Control(int id) const { return window().Control(id); }
  // Keys are handled in order: once a Tab pressed now has moved the focus on
  // from `from`, every key pressed before it has been handled.
  bool KeysBeforeHandled(int from) const { return PressChord({VK_TAB}) && focus_.Reaches(focus_.After(from)); }
  std::string Log() const { return WindowText(Control(fixture::kLogBoxId)); }
  LaunchedWindow launched_;
  FocusWalk focus_{launched_.main, kFocusOrder, NameOf};
};

TEST_F(KeyboardRules, FirstFocusIsTheSmallestTabOrderLatestRecord) {
  EXPECT_EQ(focus_.FocusedId(), fixture::kFirstBoxId) << "focus on " << focus_.FocusedName();
}

class FocusOrder : public KeyboardRules, public ::testing::WithParamInterface<CycleRow> {};

TEST_P(FocusOrder, FollowsTabOrderAndSkipsLabelsAndDisabledButton) {
  EXPECT_TRUE(focus_.Walk(GetParam().shift, GetParam().visits)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    BothWays, FocusOrder,
    ::testing::Values(CycleRow{"Tab",
                               false,
                               {fixture::kOtherButtonId, fixture::kGoButtonId, fixture::kNameBoxId, fixture::kLogBoxId,
                                fixture::kMemoBoxId, fixture::kNextButtonId, fixture::kFirstBoxId}},
                      CycleRow{"Shift+Tab",
                               true,
                               {fixture::kNextButtonId, fixture::kMemoBoxId, fixture::kLogBoxId, fixture::kNameBoxId,
                                fixture::kGoButtonId, fixture::kOtherButtonId, fixture::kFirstBoxId}}));

struct EnterRow {
  int focus;
  const char* clicked;  // the log line of the click
};

class EnterKey : public KeyboardRules, public ::testing::WithParamInterface<EnterRow> {};

TEST_P(EnterKey, ClicksOneDefaultButtonOnce) {
  const EnterRow& row = GetParam();
  ASSERT_TRUE(focus_.TabTo(row.focus)) << NameOf(row.focus);
  ASSERT_TRUE(PressChord({VK_RETURN}));
  ASSERT_TRUE(KeysBeforeHandled(row.focus)) << "focus on " << focus_.FocusedName();
  EXPECT_EQ(Log(), row.clicked) << "Enter on " << NameOf(row.focus);
}

// Go is the first default button in record order; Next is the other one.
INSTANTIATE_TEST_SUITE_P(FromControls, EnterKey,
                         ::testing::Values(EnterRow{fixture::kFirstBoxId, "Go 1"},       // a one-line box
                                           EnterRow{fixture::kOtherButtonId, "Go 1"},    // a plain button
                                           EnterRow{fixture::kNameBoxId, "Go 1"},        // another one-line box
                                           EnterRow{fixture::kGoButtonId, "Go 1"},       // the first default button
                                           EnterRow{fixture::kNextButtonId, "Next 1"}),  // a focused default button
                         [](const ::testing::TestParamInfo<EnterRow>& row) {
                           return "Control" + std::to_string(row.param.focus);
                         });

TEST_F(KeyboardRules, CtrlEnterClicksNothing) {
  ASSERT_TRUE(PressChord({VK_CONTROL, VK_RETURN}));
  ASSERT_TRUE(KeysBeforeHandled(fixture::kFirstBoxId)) << "focus on " << focus_.FocusedName();
  EXPECT_EQ(Log(), "");
}

TEST_F(KeyboardRules, MultiLineBoxKeepsEnter) {
  ASSERT_TRUE(focus_.TabTo(fixture::kMemoBoxId)) << "focus on " << focus_.FocusedName();
  ASSERT_TRUE(PressChord({VK_RETURN}));
  ASSERT_TRUE(TypeAscii("x"));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(Control(fixture::kMemoBoxId)) == "\r\nx"; }))
      << "memo holds \"" << WindowText(Control(fixture::kMemoBoxId)) << "\"";
  EXPECT_EQ(Log(), "");
}

struct MnemonicRow {
  const char* what;
  WORD letter;
  int focus;  // where the focus goes
};

class LabelMnemonic : public KeyboardRules, public ::testing::WithParamInterface<MnemonicRow> {};

TEST_P(LabelMnemonic, MovesTheFocusToTheControlAfterTheLabel) {
  const MnemonicRow& row = GetParam();
  ASSERT_TRUE(PressChord({VK_MENU, row.letter})) << row.what;
  ASSERT_TRUE(focus_.Reaches(row.focus)) << row.what << ": expected " << NameOf(row.focus) << ", focus on "
                                         << focus_.FocusedName();
  // Typing lands in the box: releasing Alt did not open the system menu.
  ASSERT_TRUE(TypeAscii("a"));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(Control(row.focus)) == "a"; }))
      << row.what << ": box holds \"" << WindowText(Control(row.focus)) << "\"";
}

// Each label's tab order picks the first candidate at or above it.
INSTANTIATE_TEST_SUITE_P(Labels, LabelMnemonic,
                         ::testing::Values(MnemonicRow{"Alt+N, label with tab order 2", 'N', fixture::kNameBoxId},
                                           MnemonicRow{"Alt+L, label with tab order 3", 'L', fixture::kLogBoxId}));

TEST_F(KeyboardRules, ButtonMnemonicClicksTheButton) {
  ASSERT_TRUE(PressChord({VK_MENU, 'G'}));
  EXPECT_TRUE(WaitUntil([&] { return Log() == std::string(fixture::kGoClickPrefix) + "1"; }))
      << "log \"" << Log() << "\"";
}

TEST_F(KeyboardRules, DisabledButtonMnemonicDoesNothing) {
  ASSERT_TRUE(PressChord({VK_MENU, 'D'}));
  ASSERT_TRUE(KeysBeforeHandled(fixture::kFirstBoxId)) << "focus on " << focus_.FocusedName();
  EXPECT_EQ(Log(), "");
}

}  // namespace
}  // namespace gui
