// Real user input through SendInput: the events go to the foreground
// window's thread, as if typed or clicked, with the modifier state they imply.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace gui {

// Makes `window` the foreground window and waits until it is.
bool BringToFront(HWND window);

// Moves the pointer to a screen point, waits until it is there, and clicks the left button.
bool ClickAt(POINT screen_point);

// Types printable ASCII text key by key (with Shift where the layout needs it).
bool TypeAscii(const std::string& text);

// Presses the keys in order and releases them in reverse order (a chord such as Alt+F4).
bool PressChord(std::initializer_list<WORD> virtual_keys);

}  // namespace gui
