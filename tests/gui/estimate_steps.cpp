#include "estimate_steps.h"

#include "poll.h"
#include "user_input.h"
#include "window_probe.h"

namespace gui {

namespace {

INPUT MouseAt(POINT p, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((p.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = static_cast<LONG>((p.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

}  // namespace

GUITHREADINFO FocusState(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

bool FocusIs(HWND window, HWND expected) { return FocusState(window).hwndFocus == expected; }

POINT TextLineCentre(HWND edit) {
  const RECT band = ClientRectOnScreen(edit);
  return {(band.left + band.right) / 2, (band.top + band.bottom) / 2};
}

POINT Centre(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

::testing::AssertionResult TypeIntoBox(const MainWindow& main, HWND box, const std::string& text) {
  using ::testing::AssertionFailure;
  if (!BringToFront(main.window)) return AssertionFailure() << "the window did not come to the front";
  if (!ClickAt(TextLineCentre(box))) return AssertionFailure() << "the click was not sent";
  if (!WaitUntil([&] { return FocusIs(main.window, box); })) {
    return AssertionFailure() << "the click did not focus the box; focus on control "
                              << ControlId(FocusState(main.window).hwndFocus);
  }
  // Select everything typed before and delete it, as a user would.
  if (!PressChord({VK_END}) || !PressChord({VK_SHIFT, VK_HOME}) || !PressChord({VK_DELETE})) {
    return AssertionFailure() << "the keys that empty the box were not sent";
  }
  if (!WaitUntil([&] { return WindowText(box).empty(); })) {
    return AssertionFailure() << "the box was not emptied; it holds \"" << WindowText(box) << "\"";
  }
  if (!TypeAscii(text)) return AssertionFailure() << "the keys of \"" << text << "\" were not sent";
  if (!WaitUntil([&] { return WindowText(box) == text; })) {
    return AssertionFailure() << "typed \"" << text << "\", the box holds \"" << WindowText(box) << "\"";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult TypeShoeSize(const MainWindow& main, const std::string& size) {
  return TypeIntoBox(main, main.entry_box(), size);
}

bool PressButtonWithMouse(const MainWindow& main) {
  return BringToFront(main.window) && ClickAt(Centre(main.button()));
}

bool PressButtonWithSpace(const MainWindow& main) {
  HWND button = main.button();
  if (!BringToFront(main.window)) return false;
  if (!FocusIs(main.window, button)) {
    RECT r;
    GetWindowRect(button, &r);
    const POINT on = Centre(button);
    const POINT off = {on.x, r.bottom + 12};  // below the button, still in the window
    INPUT slide[] = {MouseAt(on, 0), MouseAt(on, MOUSEEVENTF_LEFTDOWN), MouseAt(off, 0),
                     MouseAt(off, MOUSEEVENTF_LEFTUP)};
    if (SendInput(4, slide, sizeof(INPUT)) != 4) return false;
    if (!WaitUntil([&] { return FocusIs(main.window, button) && !(GetAsyncKeyState(VK_LBUTTON) & 0x8000); })) {
      return false;
    }
  }
  return PressChord({VK_SPACE});
}

std::string ReadOutput(const MainWindow& main) { return WindowText(main.output_box()); }

std::string WaitForOutput(const MainWindow& main, const std::string& expected) {
  std::string shown;
  WaitUntil([&] {
    shown = ReadOutput(main);
    return shown == expected;
  });
  return shown;
}

}  // namespace gui
