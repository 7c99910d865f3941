// Typing code page 936 text into another process's edit box: ASCII key by key
// on the keyboard as a person types it, double-byte characters as an input
// method commits them.
#pragma once

#include <windows.h>

#include <string>

#include "main_window.h"

namespace gui {

// Clicks into the box's text line, empties it with the keyboard and types
// `gbk` (printable ASCII and valid double-byte characters); true once the
// box holds exactly `gbk`.
bool TypeGbkIntoBox(const MainWindow& main, HWND box, const std::string& gbk);

}  // namespace gui
