#include "window_probe.h"

namespace gui {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

bool Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR* result) {
  return SendMessageTimeoutA(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs, result) != 0;
}

}  // namespace

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!Send(window, WM_GETTEXTLENGTH, 0, 0, &length)) return "<WM_GETTEXTLENGTH failed>";
  // The length may count a double-byte character twice; one spare byte for the zero.
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied)) {
    return "<WM_GETTEXT failed>";
  }
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return text;
}

bool SetWindowTextRemote(HWND window, const std::string& text) {
  DWORD_PTR result = 0;
  return Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &result) && result;
}

bool ClickButtonRemote(HWND button) {
  DWORD_PTR result = 0;
  return Send(button, BM_CLICK, 0, 0, &result);
}

std::string ClassName(HWND window) {
  char name[256];
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

DWORD Style(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }
DWORD ExStyle(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)); }
int ControlId(HWND window) { return GetDlgCtrlID(window); }

RECT RectInParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT ClientRectOnScreen(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  return p;
}

std::vector<HWND> ChildrenTopDown(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

LRESULT HitTest(HWND window, POINT screen_point) {
  DWORD_PTR hit = HTNOWHERE;
  Send(window, WM_NCHITTEST, 0, MAKELPARAM(screen_point.x, screen_point.y), &hit);
  return static_cast<LRESULT>(hit);
}

bool FindNonClientPoint(HWND window, LRESULT hit, POINT* found) {
  RECT outer;
  GetWindowRect(window, &outer);
  const RECT client = ClientRectOnScreen(window);
  // The middle of the caption bar, scanned from the right edge inwards.
  const int y = (outer.top + client.top) / 2;
  for (int x = outer.right - 1; x >= outer.left; --x) {
    if (HitTest(window, {x, y}) == hit) {
      *found = {x - 2, y};  // a little inside the button, not on its edge
      return HitTest(window, *found) == hit;
    }
  }
  return false;
}

}  // namespace gui
