// Subclassing of a system control ("EDIT", "BUTTON"): the control keeps its
// system class and window procedure, and the shell's object sees every
// message first. The object lives as long as the window and deletes itself
// after the window's last message.
#pragma once

#include <windows.h>

class SubclassedWindow {
 public:
  virtual ~SubclassedWindow() = default;

 protected:
  // Puts the object in front of the control's own procedure. From here on the
  // window owns the object.
  void Attach(HWND window);

  LRESULT CallOriginal(UINT message, WPARAM w, LPARAM l) const {
    return ::CallWindowProcA(original_, window_, message, w, l);
  }

  // Every message except WM_NCDESTROY.
  virtual LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l) = 0;
  // After the control's own procedure has seen WM_NCDESTROY: the window is
  // gone; release what the object holds and delete it.
  virtual void OnWindowGone() = 0;

  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);

  WNDPROC original_ = nullptr;
};
