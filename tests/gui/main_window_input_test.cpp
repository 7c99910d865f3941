// What the user can do with the window, by real mouse and keyboard input
// from outside the process: place the caret, type into both boxes, and close
// the window in each of its ways.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "estimate_steps.h"
#include "launched_window.h"
#include "poll.h"
#include "user_input.h"
#include "window_probe.h"

namespace gui {
namespace {

class MainWindowInput : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(Launch(&launched_)); }
  const MainWindow& main() const { return launched_.main; }
  LaunchedWindow launched_;
};

struct BoxPair {
  const char* what;
  int clicked_id;  // the box clicked above or below its text line
  int other_id;    // the box used to see that the click has been handled
  bool above;
};

class ClickOutsideTextLine : public MainWindowInput, public ::testing::WithParamInterface<BoxPair> {};

TEST_P(ClickOutsideTextLine, DoesNotPutTheFocusIntoTheBox) {
  const BoxPair& row = GetParam();
  HWND clicked = main().Control(row.clicked_id);
  HWND other = main().Control(row.other_id);
  RECT outer;
  GetWindowRect(clicked, &outer);
  const RECT band = ClientRectOnScreen(clicked);
  ASSERT_LT(band.bottom - band.top, outer.bottom - outer.top - 8) << row.what << ": no narrowed text line";
  // A point inside the border, 2 pixels away from the text line.
  const POINT p = {(band.left + band.right) / 2, row.above ? band.top - 3 : band.bottom + 2};
  ASSERT_LT(outer.top + 2, p.y) << row.what;
  ASSERT_LT(p.y, outer.bottom - 2) << row.what;
  ASSERT_TRUE(BringToFront(main().window));
  ASSERT_TRUE(ClickAt(p)) << row.what;
  // A key typed now would land in the clicked box if the click had focused it.
  ASSERT_TRUE(TypeAscii("7"));
  // Input is handled in order: once the other box holds what is typed into it,
  // the click and the key before it have been handled too.
  ASSERT_TRUE(TypeIntoBox(main(), other, "8")) << row.what;
  EXPECT_EQ(WindowText(clicked), "") << row.what;
}

const BoxPair kOutsideClicks[] = {
    {"above edit box 1's text line", kEntryBoxId, kOutputBoxId, true},
    {"below edit box 1's text line", kEntryBoxId, kOutputBoxId, false},
    {"above edit box 2's text line", kOutputBoxId, kEntryBoxId, true},
};

INSTANTIATE_TEST_SUITE_P(EditBoxes, ClickOutsideTextLine, ::testing::ValuesIn(kOutsideClicks));

TEST_F(MainWindowInput, TextLineIsVerticallyCentredInTheBox) {
  for (HWND box : {main().entry_box(), main().output_box()}) {
    RECT outer;
    GetWindowRect(box, &outer);
    const RECT band = ClientRectOnScreen(box);
    // The sunken border takes 2 pixels on each side; the line sits in the middle of the rest.
    const int inner_top = outer.top + 2, inner_height = outer.bottom - outer.top - 4;
    const int line = band.bottom - band.top;
    EXPECT_GT(line, 0);
    EXPECT_EQ(band.top, inner_top + (inner_height - line) / 2) << "line height " << line;
  }
}

TEST_F(MainWindowInput, ClickOnTheTextLinePutsFocusAndCaretIntoTheBox) {
  for (HWND box : {main().entry_box(), main().output_box()}) {
    ASSERT_TRUE(BringToFront(main().window));
    ASSERT_TRUE(ClickAt(TextLineCentre(box)));
    EXPECT_TRUE(WaitUntil([&] {
      const GUITHREADINFO state = FocusState(main().window);
      return state.hwndFocus == box && state.hwndCaret == box;
    })) << "focus "
        << FocusState(main().window).hwndFocus << " caret " << FocusState(main().window).hwndCaret;
  }
}

struct TypingRow {
  int box_id;
  const char* text;
};

class Typing : public MainWindowInput, public ::testing::WithParamInterface<TypingRow> {};

TEST_P(Typing, LandsInTheBoxAsTyped) {
  const TypingRow& row = GetParam();
  EXPECT_TRUE(TypeIntoBox(main(), main().Control(row.box_id), row.text))
      << "box " << row.box_id << " typed \"" << row.text << "\" holds \"" << WindowText(main().Control(row.box_id))
      << "\"";
}

const TypingRow kTyping[] = {
    {kEntryBoxId, "40"},
    {kEntryBoxId, "-42.5e+1 Abc"},
    {kOutputBoxId, "175 CM"},
    // Longer than the box is wide: the line scrolls instead of refusing keys.
    {kOutputBoxId, "The quick brown fox jumps over the lazy dog 0123456789 (again & again)"},
};

INSTANTIATE_TEST_SUITE_P(BothBoxes, Typing, ::testing::ValuesIn(kTyping));

struct ClosingWay {
  const char* test_name;
  const char* name;
  std::function<bool(const MainWindow&)> close;
};

class Closing : public MainWindowInput, public ::testing::WithParamInterface<ClosingWay> {};

TEST_P(Closing, EndsTheProgramWithExitCodeZero) {
  ASSERT_TRUE(GetParam().close(main())) << GetParam().name;
  const std::optional<DWORD> code = launched_.process->WaitForExit();
  ASSERT_TRUE(code.has_value()) << GetParam().name << ": the program still runs";
  EXPECT_EQ(*code, 0u) << GetParam().name;
}

bool PostToWindow(const MainWindow& main, UINT message, WPARAM wparam) {
  return PostMessageA(main.window, message, wparam, 0) != 0;
}

const ClosingWay kClosingWays[] = {
    {"CloseButton", "close button",
     [](const MainWindow& main) {
       POINT p;
       return FindNonClientPoint(main.window, HTCLOSE, &p) && BringToFront(main.window) && ClickAt(p);
     }},
    {"SystemMenuClose", "Close in the system menu",
     [](const MainWindow& main) { return PostToWindow(main, WM_SYSCOMMAND, SC_CLOSE); }},
    {"AltSpaceThenC", "Alt+Space, then C",
     [](const MainWindow& main) {
       if (!BringToFront(main.window) || !PressChord({VK_MENU, VK_SPACE})) return false;
       // The system menu takes the next key once it is open.
       WaitUntil([] {
         GUITHREADINFO info = {};
         info.cbSize = sizeof info;
         return GetGUIThreadInfo(0, &info) && (info.flags & GUI_INMENUMODE);
       });
       return PressChord({'C'});
     }},
    {"AltF4", "Alt+F4",
     [](const MainWindow& main) {
       return BringToFront(main.window) && PressChord({VK_MENU, VK_F4});
     }},
    {"Esc", "Esc", [](const MainWindow& main) { return BringToFront(main.window) && PressChord({VK_ESCAPE}); }},
    {"WmClose", "WM_CLOSE", [](const MainWindow& main) { return PostToWindow(main, WM_CLOSE, 0); }},
};

INSTANTIATE_TEST_SUITE_P(AllWays, Closing, ::testing::ValuesIn(kClosingWays),
                         [](const ::testing::TestParamInfo<ClosingWay>& way) {
                           return std::string(way.param.test_name);
                         });

}  // namespace
}  // namespace gui
