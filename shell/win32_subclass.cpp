#include "win32_subclass.h"

void SubclassedWindow::Attach(HWND window) {
  window_ = window;
  ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassedWindow::Procedure)));
}

LRESULT CALLBACK SubclassedWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<SubclassedWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcA(window, message, w, l);
  if (message != WM_NCDESTROY) return self->HandleMessage(message, w, l);

  const LRESULT result = self->CallOriginal(message, w, l);
  ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->original_));
  ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  self->window_ = nullptr;
  self->OnWindowGone();
  return result;
}
