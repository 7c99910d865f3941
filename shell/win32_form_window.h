// The program's top-level window: built from a window description's first
// record, it paints its background, hands its controls' notifications back
// to them and raises the window's own events.
#pragma once

#include <windows.h>

#include <memory>

#include "control_object.h"
#include "focus_choice.h"
#include "property_blocks.h"
#include "win32_control.h"
#include "win32_scoped_gdi.h"

class FormWindow final : public ControlObject, public Win32Control {
 public:
  static constexpr const char* kDefaultClassName = "TalvenorWindow";

  HWND Handle() const override { return window_; }
  bool IsLive() const override { return window_ != nullptr && ::IsWindow(window_) != FALSE; }

  // The window's own keyboard handling, offered every message aimed at the
  // window or one of its controls before it is translated and dispatched.
  // True when it consumed the message.
  bool TranslateWindowKey(const MSG& message);

  // Moves the focus by Tab order from the record that holds focused (the
  // focused window, or a label whose mnemonic was typed).
  void MoveFocus(HWND focused, FocusDirection direction);

  // When the window itself receives the focus: raises its got-focus event,
  // then gives the focus back to the remembered control, or else to the
  // first focus candidate.
  void FocusFirstControl();

  // Raises one of the window's own events (control number 0).
  void RaiseWindowEvent(std::int32_t event);

  // The program window whose system window is window, or null.
  static FormWindow* FromHandle(HWND window);

 private:
  friend FormWindow* CreateFormWindow(const CreationParameters& parameters);

  FormWindow(std::uint32_t window_number, std::uint32_t unit_number, WindowProperties properties);

  // Handed through CreateWindowExA to WM_NCCREATE, where the window adopts
  // the object.
  struct WindowCreation {
    FormWindow* object;
    bool adopted = false;
  };

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);

  void OnPaint();
  LRESULT OnCommand(WPARAM w, LPARAM l);
  LRESULT OnControlColourMessage(UINT message, WPARAM w, LPARAM l);
  void OnActivate(WPARAM w, LPARAM l);
  void OnSetFocus(WPARAM w, LPARAM l);
  LRESULT OnNcActivate(WPARAM w, LPARAM l);
  LRESULT OnClose();
  void OnFinalCleanUp();

  Win32Control* ControlOfHandle(HWND control) const;
  // Keyboard handling (win32_window_keys.cpp).
  bool AnswerKey(std::uint16_t code);
  bool OfferToControl(const MSG& message, std::uint16_t code);
  void LoadIcons();

  HWND window_ = nullptr;
  WindowProperties properties_;
  scoped::Icon big_icon_;
  scoped::Icon small_icon_;
  HFONT font_ = nullptr;  // as set by WM_SETFONT
  bool activated_before_ = false;
  // The control that had the focus when the window was last deactivated.
  HWND remembered_control_ = nullptr;
};

// Builds and shows the window of description with its controls. True when
// the window and every control exist.
bool BuildWindow(WindowDescription& description, bool modal, HWND owner);
