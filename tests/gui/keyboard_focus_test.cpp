// Talvenor's keyboard and focus rules, by real keystrokes from outside: where
// the focus starts, how Tab and Shift+Tab cycle, that Enter clicks nothing,
// that Esc closes from every control, that the focus survives switching to
// another window, and that modified Tab and Alt keys are not the window's.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "estimate_steps.h"
#include "focus_walk.h"
#include "launched_window.h"
#include "poll.h"
#include "user_input.h"
#include "window_probe.h"

namespace gui {
namespace {

// Test names for rows given as control ids.
std::string ParamName(const ::testing::TestParamInfo<int>& row) { return "Control" + std::to_string(row.param); }

// The three controls that take the focus, by how many Tabs reach them from
// the start: 按钮1, 编辑框2, 编辑框1.
const int kTabCycle[] = {kButtonId, kOutputBoxId, kEntryBoxId};

const char* NameOf(int id) {
  switch (id) {
    case kButtonId:
      return "按钮1";
    case kOutputBoxId:
      return "编辑框2";
    case kEntryBoxId:
      return "编辑框1";
    case kSizeLabelId:
      return "标签1";
    case kHeightLabelId:
      return "标签2";
    case kNoteLabelId:
      return "标签3";
    case kNameLabelId:
      return "标签4";
    default:
      return "no control";
  }
}

class KeyboardFocus : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Launch(&launched_));
    ASSERT_TRUE(BringToFront(main().window));
    ASSERT_TRUE(WaitUntil([&] { return FocusIs(main().window, main().button()); }))
        << "focus on " << focus_.FocusedName();
  }
  const MainWindow& main() const { return launched_.main; }
  LaunchedWindow launched_;
  FocusWalk focus_{launched_.main, kTabCycle, NameOf};
};

TEST_F(KeyboardFocus, StartsOnTheButtonWithNoCaretInEitherBox) {
  const GUITHREADINFO state = FocusState(main().window);
  EXPECT_EQ(state.hwndFocus, main().button());
  EXPECT_NE(state.hwndCaret, main().entry_box());
  EXPECT_NE(state.hwndCaret, main().output_box());
}

TEST_F(KeyboardFocus, SpaceAfterStartPressesTheButton) {
  ASSERT_TRUE(SetWindowTextRemote(main().entry_box(), "40"));
  ASSERT_TRUE(PressChord({VK_SPACE}));
  EXPECT_EQ(WaitForOutput(main(), "175 CM"), "175 CM");
}

class TabCycle : public KeyboardFocus, public ::testing::WithParamInterface<CycleRow> {};

TEST_P(TabCycle, VisitsTheThreeControlsAndNoLabel) {
  EXPECT_TRUE(focus_.Walk(GetParam().shift, GetParam().visits)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    BothWays, TabCycle,
    ::testing::Values(CycleRow{"Tab", false, {kOutputBoxId, kEntryBoxId, kButtonId, kOutputBoxId}},
                      CycleRow{"Shift+Tab", true, {kEntryBoxId, kOutputBoxId, kButtonId, kEntryBoxId}}));

TEST_F(KeyboardFocus, TabAfterAClickIntoTheEntryBoxGoesToTheButton) {
  ASSERT_TRUE(ClickAt(TextLineCentre(main().entry_box())));
  ASSERT_TRUE(focus_.Reaches(kEntryBoxId)) << "focus on " << focus_.FocusedName();
  ASSERT_TRUE(PressChord({VK_TAB}));
  EXPECT_TRUE(focus_.Reaches(kButtonId)) << "focus on " << focus_.FocusedName();
}

// A plain top-level window of the driver's own, to switch to and away from.
class OtherWindow {
 public:
  OtherWindow() {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "TalvenorDriverOtherWindow";
    RegisterClassA(&window_class);
    window_ = CreateWindowExA(0, window_class.lpszClassName, "other", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                              nullptr, window_class.hInstance, nullptr);
    ShowWindow(window_, SW_SHOW);
  }
  ~OtherWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
  }
  OtherWindow(const OtherWindow&) = delete;
  OtherWindow& operator=(const OtherWindow&) = delete;

  // Makes this window the foreground window, handling its own messages meanwhile.
  bool Activate() const {
    SetForegroundWindow(window_);
    return WaitUntil([&] {
      Pump();
      return GetForegroundWindow() == window_;
    });
  }
  HWND handle() const { return window_; }

 private:
  static void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  HWND window_ = nullptr;
};

class SwitchingAway : public KeyboardFocus, public ::testing::WithParamInterface<int> {};

TEST_P(SwitchingAway, AndBackRestoresTheFocusedControl) {
  const int id = GetParam();
  ASSERT_TRUE(focus_.TabTo(id)) << NameOf(id);
  OtherWindow other;
  ASSERT_NE(other.handle(), nullptr);
  ASSERT_TRUE(other.Activate());
  ASSERT_TRUE(WaitUntil([&] { return FocusState(main().window).hwndActive != main().window; }))
      << "the window stays active";
  ASSERT_TRUE(BringToFront(main().window));
  EXPECT_TRUE(focus_.Reaches(id)) << "expected " << NameOf(id) << ", focus on " << focus_.FocusedName();
}

INSTANTIATE_TEST_SUITE_P(EachControl, SwitchingAway, ::testing::ValuesIn(kTabCycle), ParamName);

class EnterKey : public KeyboardFocus, public ::testing::WithParamInterface<int> {};

TEST_P(EnterKey, ClicksNothing) {
  const int id = GetParam();
  ASSERT_TRUE(SetWindowTextRemote(main().entry_box(), "40"));
  ASSERT_TRUE(focus_.TabTo(id)) << NameOf(id);
  ASSERT_TRUE(PressChord({VK_RETURN}));
  // Keys are handled in order: once the Tab after Enter has moved the focus,
  // Enter has been handled too.
  ASSERT_TRUE(PressChord({VK_TAB}));
  const int next = focus_.After(id);
  ASSERT_TRUE(focus_.Reaches(next)) << "after Enter on " << NameOf(id) << ", focus on " << focus_.FocusedName();
  EXPECT_EQ(ReadOutput(main()), "") << "Enter on " << NameOf(id);
  EXPECT_EQ(WindowText(main().entry_box()), "40") << "Enter on " << NameOf(id);
}

INSTANTIATE_TEST_SUITE_P(EachControl, EnterKey, ::testing::ValuesIn(kTabCycle), ParamName);

class EscKey : public KeyboardFocus, public ::testing::WithParamInterface<int> {};

TEST_P(EscKey, EndsTheProgramWithExitCodeZero) {
  const int id = GetParam();
  ASSERT_TRUE(focus_.TabTo(id)) << NameOf(id);
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  const std::optional<DWORD> code = launched_.process->WaitForExit();
  ASSERT_TRUE(code.has_value()) << "Esc on " << NameOf(id) << ": the program still runs";
  EXPECT_EQ(*code, 0u) << "Esc on " << NameOf(id);
}

INSTANTIATE_TEST_SUITE_P(EachControl, EscKey, ::testing::ValuesIn(kTabCycle), ParamName);

TEST_F(KeyboardFocus, CtrlTabIsNoTab) {
  ASSERT_TRUE(focus_.TabTo(kEntryBoxId));
  ASSERT_TRUE(PressChord({VK_CONTROL, VK_TAB}));
  // The digit reaches the entry box only if Ctrl+Tab left the focus there.
  ASSERT_TRUE(TypeAscii("5"));
  ASSERT_TRUE(WaitUntil([&] {
    const std::string text = WindowText(main().entry_box());
    return !text.empty() && text.back() == '5';
  })) << "entry box holds \""
      << WindowText(main().entry_box()) << "\", focus on " << focus_.FocusedName();
  EXPECT_EQ(focus_.FocusedId(), kEntryBoxId);
}

TEST_F(KeyboardFocus, AltSpaceOpensTheSystemMenuFromABox) {
  ASSERT_TRUE(focus_.TabTo(kOutputBoxId));
  ASSERT_TRUE(PressChord({VK_MENU, VK_SPACE}));
  EXPECT_TRUE(WaitUntil([&] { return (FocusState(main().window).flags & GUI_INMENUMODE) != 0; }));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));  // closes the menu
}

TEST_F(KeyboardFocus, AltF4ClosesFromABox) {
  ASSERT_TRUE(focus_.TabTo(kEntryBoxId));
  ASSERT_TRUE(PressChord({VK_MENU, VK_F4}));
  const std::optional<DWORD> code = launched_.process->WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the program still runs";
  EXPECT_EQ(*code, 0u);
}

}  // namespace
}  // namespace gui
