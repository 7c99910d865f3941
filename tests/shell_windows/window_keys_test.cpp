// The window's keyboard handling on the main window built in the test's own
// process, with messages handed to it directly: which messages it leaves
// alone, the drag-anywhere press, and the key and mouse events it offers to
// the aimed control before dispatch.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "built_control.h"
#include "control_input_events.h"
#include "description_writer.h"
#include "main_window_description.h"
#include "program_setup.h"
#include "shell_state.h"
#include "win32_form_window.h"

namespace {

constexpr std::int32_t kKeyDownOffset = 600;
constexpr std::int32_t kCharacterOffset = 601;

// What the entry box's key-down handler saw; it swallows every key.
std::vector<std::int32_t> key_downs;
int characters = 0;

HandlerResult Ignore(const std::int32_t*, std::int32_t) { return {}; }
HandlerResult SwallowKeyDown(const std::int32_t* arguments, std::int32_t count) {
  if (count == 1) key_downs.push_back(arguments[0]);
  return {true, 0};
}
HandlerResult CountCharacter(const std::int32_t*, std::int32_t) {
  ++characters;
  return {};  // no value: the character goes on to the box
}

constexpr HandlerEntry kHandlers[] = {
    {kEstimateClickHandlerOffset, &Ignore}, {kKeyDownOffset, &SwallowKeyDown}, {kCharacterOffset, &CountCharacter}};

// The main window's description, with dragging anywhere set and key events
// of the entry box bound.
std::vector<unsigned char> StoredForm() {
  std::vector<WindowDescription> windows = MainWindowDescriptions();
  DescriptionRecord& window = windows[0].records[0];
  PropertyReadResult<WindowProperties> read = ReadWindowProperties(window.property_block);
  read.properties.drag_anywhere = true;
  window.property_block = EncodeWindowProperties(read.properties);
  for (DescriptionRecord& record : windows[0].records) {
    if (record.unit_number == main_window_unit::kEditBox1) {
      record.event_bindings = {{input_event::kKeyDown, kKeyDownOffset}, {input_event::kCharacter, kCharacterOffset}};
    }
  }
  return EncodeWindowDescriptions(windows);
}

class WindowKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Shell();
    key_downs.clear();
    characters = 0;
    stored_ = StoredForm();
    ProgramData program;
    program.descriptions = stored_;
    program.handlers = kHandlers;
    InstallProgramData(Shell(), program);
    ASSERT_TRUE(BuildWindow(Shell().windows[0], false, nullptr));
    form_ = FormWindow::FromHandle(BuiltControl(main_window_unit::kWindow));
    ASSERT_NE(form_, nullptr);
    DropPosted();
  }
  void TearDown() override {
    if (HWND window = BuiltControl(main_window_unit::kWindow)) ::DestroyWindow(window);
    DropPosted();
    Shell() = saved_;
  }

  static MSG Message(HWND target, UINT message, WPARAM w, LPARAM l = 0) {
    MSG msg{};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = w;
    msg.lParam = l;
    return msg;
  }
  // Whether a caption press is waiting in the queue (removing it).
  static bool CaptionPressPosted(HWND window) {
    MSG msg;
    if (::PeekMessageA(&msg, window, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE) == FALSE) return false;
    return msg.wParam == HTCAPTION;
  }
  static void DropPosted() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    }
  }

  ShellState saved_;
  std::vector<unsigned char> stored_;
  FormWindow* form_ = nullptr;
};

TEST_F(WindowKeys, EscAimedAtADisabledControlIsLeftAlone) {
  const HWND entry = BuiltControl(main_window_unit::kEditBox1);
  ::EnableWindow(entry, FALSE);
  EXPECT_FALSE(form_->TranslateWindowKey(Message(entry, WM_KEYDOWN, VK_ESCAPE)));
  EXPECT_NE(BuiltControl(main_window_unit::kWindow), nullptr) << "the window was closed";
}

TEST_F(WindowKeys, EscAimedAtAnEnabledControlClosesTheWindow) {
  EXPECT_TRUE(form_->TranslateWindowKey(Message(BuiltControl(main_window_unit::kEditBox2), WM_KEYDOWN, VK_ESCAPE)));
  EXPECT_EQ(BuiltControl(main_window_unit::kWindow), nullptr) << "the window is still there";
}

TEST_F(WindowKeys, MessagesForOtherWindowsAreLeftAlone) {
  const HWND other =
      ::CreateWindowExA(0, "STATIC", "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  const HWND focus_before = ::GetFocus();
  EXPECT_FALSE(form_->TranslateWindowKey(Message(other, WM_KEYDOWN, VK_TAB)));
  EXPECT_FALSE(form_->TranslateWindowKey(Message(other, WM_KEYDOWN, VK_ESCAPE)));
  EXPECT_EQ(::GetFocus(), focus_before);
  EXPECT_NE(BuiltControl(main_window_unit::kWindow), nullptr);
  ::DestroyWindow(other);
}

struct DragRow {
  const char* what;
  std::uint32_t unit;  // the window or one of its controls
  UINT message;
  bool posts_caption_press;
};

class DragAnywhere : public WindowKeys, public ::testing::WithParamInterface<DragRow> {};

TEST_P(DragAnywhere, LeftPressOnTheWindowItselfPressesTheCaption) {
  const DragRow& row = GetParam();
  const HWND window = BuiltControl(main_window_unit::kWindow);
  EXPECT_FALSE(form_->TranslateWindowKey(Message(BuiltControl(row.unit), row.message, MK_LBUTTON, MAKELPARAM(5, 5))))
      << row.what << ": the press itself goes on";
  EXPECT_EQ(CaptionPressPosted(window), row.posts_caption_press) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Presses, DragAnywhere,
    ::testing::Values(DragRow{"left press on the window", main_window_unit::kWindow, WM_LBUTTONDOWN, true},
                      DragRow{"right press on the window", main_window_unit::kWindow, WM_RBUTTONDOWN, false},
                      DragRow{"left press on a label", main_window_unit::kLabel3, WM_LBUTTONDOWN, false},
                      DragRow{"left press in a box", main_window_unit::kEditBox1, WM_LBUTTONDOWN, false}));

TEST_F(WindowKeys, KeyDownHandlerThatAnswersFalseSwallowsTheKey) {
  const HWND entry = BuiltControl(main_window_unit::kEditBox1);
  EXPECT_TRUE(form_->TranslateWindowKey(Message(entry, WM_KEYDOWN, 'A')));
  EXPECT_TRUE(form_->TranslateWindowKey(Message(entry, WM_KEYDOWN, VK_NUMPAD7)));
  // The handler is given the key code: the number pad's 7 is the digit 7.
  EXPECT_EQ(key_downs, (std::vector<std::int32_t>{0x41, 0x37}));
}

TEST_F(WindowKeys, HandlerWithoutAnswerLetsTheMessageGoOn) {
  const HWND entry = BuiltControl(main_window_unit::kEditBox1);
  EXPECT_FALSE(form_->TranslateWindowKey(Message(entry, WM_CHAR, 'a')));
  EXPECT_EQ(characters, 1);
  // Another control's keys reach no handler of the entry box.
  EXPECT_FALSE(form_->TranslateWindowKey(Message(BuiltControl(main_window_unit::kEditBox2), WM_KEYDOWN, 'A')));
  EXPECT_TRUE(key_downs.empty());
}

}  // namespace
