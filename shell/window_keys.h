// The window's own answer to a key press, decided from the key code and what
// the window knows of its records at that moment: focus moves, Enter's click
// of a default push button, closing on Esc, help on F1, arrows among radio
// buttons and Alt mnemonics. Dialog navigation plays no part: the window's
// description sets these rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "focus_choice.h"

// What the keyboard handling knows of one description record.
struct KeyRecord {
  FocusCandidate focus{false, 0};
  // Takes Enter itself: a multi-line edit box that is not read-only.
  bool claims_enter = false;
  // An enabled button with the default push button style.
  bool default_button = false;
  // A live, visible, enabled radio button.
  bool radio_button = false;
  // A live, visible, enabled label or button: its text may hold a mnemonic.
  bool mnemonic_holder = false;
  std::string text{};  // a mnemonic holder's text, code page 936 bytes
};

// The window property block's settings for keys, and whether the help file
// it names exists.
struct WindowKeySettings {
  bool enter_moves_focus = false;
  bool esc_closes = true;
  bool f1_opens_help = false;
  bool help_file_exists = false;
};

enum class WindowKeyAction {
  kPass,                // not consumed: the message is translated and dispatched
  kConsume,             // consumed, with nothing more to do
  kMoveFocus,           // MoveFocus from the focused window, in `direction`
  kMoveFocusFromLabel,  // MoveFocus forward from the label of `record`
  kClick,               // raise the click (event 0) of the button of `record`
  kPressButton,         // press the button of `record` as a mouse click would
  kSelectRadio,         // focus and select the radio button of `record`
  kClose,               // ask the window to close
  kOpenHelp,            // open the window's help file
};

struct WindowKeyDecision {
  WindowKeyAction action = WindowKeyAction::kPass;
  FocusDirection direction = FocusDirection::kForward;
  std::size_t record = 0;

  friend bool operator==(const WindowKeyDecision&, const WindowKeyDecision&) = default;
};

// What to do with a key press whose key code (key_code.h) is code. focused_record is the
// record whose object's window is the focused window itself, or none when
// the focus is on no record's window.
WindowKeyDecision DecideWindowKey(std::uint16_t code, std::span<const KeyRecord> records,
                                  std::optional<std::size_t> focused_record, const WindowKeySettings& settings);

// True when text marks character ('A' to 'Z' or '0' to '9') as its mnemonic:
// an "&" directly before it, either case for letters. "&&" stands for a
// plain "&", and a double-byte character of code page 936 is never split.
bool HasMnemonic(std::string_view text, char character);
