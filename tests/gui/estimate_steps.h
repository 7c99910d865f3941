// What a user does to get an estimate, as reusable steps: type a shoe size
// into the entry box, press biubiu (with the mouse, or with Space while the
// button has the focus) and read the output box.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "main_window.h"

namespace gui {

// The focus, active and caret windows of the thread that owns `window`.
GUITHREADINFO FocusState(HWND window);
bool FocusIs(HWND window, HWND expected);

// A screen point in the middle of an edit box's text line (its client band).
POINT TextLineCentre(HWND edit);
// A screen point in the middle of a window.
POINT Centre(HWND window);

// Clicks into an edit box's text line, empties the box with the keyboard and
// types `text` (printable ASCII); succeeds once the box holds exactly `text`,
// and otherwise says which step did not take effect.
::testing::AssertionResult TypeIntoBox(const MainWindow& main, HWND box, const std::string& text);

// The same for the entry box.
::testing::AssertionResult TypeShoeSize(const MainWindow& main, const std::string& size);

// Presses the button with a real mouse click.
bool PressButtonWithMouse(const MainWindow& main);

// Gives the button the focus without pressing it (the mouse goes down on the
// button and slides off before it is released), then presses Space.
bool PressButtonWithSpace(const MainWindow& main);

// The output box's text.
std::string ReadOutput(const MainWindow& main);

// Waits until the output box shows `expected`; returns what it shows then.
std::string WaitForOutput(const MainWindow& main, const std::string& expected);

}  // namespace gui
