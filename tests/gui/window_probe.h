// Reading another process's windows from outside: texts through messages
// sent with a timeout, places, styles, classes and the stacking of children.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace gui {

// The window's text as the bytes the window holds (WM_GETTEXT, sent with a timeout).
std::string WindowText(HWND window);
// Replaces the window's text (WM_SETTEXT, sent with a timeout); false when the send fails.
bool SetWindowTextRemote(HWND window, const std::string& text);
// Presses a button as BM_CLICK does; returns once the click has been handled.
bool ClickButtonRemote(HWND button);

std::string ClassName(HWND window);
DWORD Style(HWND window);
DWORD ExStyle(HWND window);
int ControlId(HWND window);

// The child's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
// The window's client rectangle in screen coordinates.
RECT ClientRectOnScreen(HWND window);
// A point given in the window's client coordinates, in screen coordinates.
POINT ClientToScreenPoint(HWND window, int x, int y);

// The children from the top of the z-order to the bottom.
std::vector<HWND> ChildrenTopDown(HWND parent);

// The window's answer to WM_NCHITTEST at a screen point.
LRESULT HitTest(HWND window, POINT screen_point);
// A screen point in the window's caption row where it answers `hit` (HTCLOSE, HTCAPTION ...).
bool FindNonClientPoint(HWND window, LRESULT hit, POINT* found);

}  // namespace gui
