#include "window_keys.h"

#include <vector>

#include "key_code.h"

namespace {

constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

constexpr char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool Claims(const KeyRecord& record, std::uint16_t code) { return code == key_code::kEnter && record.claims_enter; }

WindowKeyDecision Decision(WindowKeyAction action, std::size_t record = 0,
                           FocusDirection direction = FocusDirection::kForward) {
  return WindowKeyDecision{action, direction, record};
}

WindowKeyDecision DecideEnter(std::span<const KeyRecord> records, std::optional<std::size_t> focused,
                              const WindowKeySettings& settings) {
  if (focused && records[*focused].default_button) return Decision(WindowKeyAction::kClick, *focused);
  if (settings.enter_moves_focus) return Decision(WindowKeyAction::kMoveFocus);
  for (std::size_t record = 1; record < records.size(); ++record) {
    if (records[record].default_button) return Decision(WindowKeyAction::kClick, record);
  }
  return Decision(WindowKeyAction::kPass);
}

// Arrows step through the radio buttons in focus order, wrapping around;
// from anything but a radio button they are left to the focused control.
WindowKeyDecision DecideArrow(std::span<const KeyRecord> records, std::optional<std::size_t> focused,
                              FocusDirection direction) {
  if (!focused || !records[*focused].radio_button) return Decision(WindowKeyAction::kPass);
  std::vector<FocusCandidate> radios;
  radios.reserve(records.size());
  for (const KeyRecord& record : records) radios.push_back(FocusCandidate{record.radio_button, record.focus.tab_order});
  const std::optional<std::size_t> target = NextFocusTarget(radios, *focused, direction);
  if (!target || *target == *focused) return Decision(WindowKeyAction::kConsume);
  return Decision(WindowKeyAction::kSelectRadio, *target);
}

WindowKeyDecision DecideMnemonic(std::span<const KeyRecord> records, char character) {
  for (std::size_t record = 1; record < records.size(); ++record) {
    const KeyRecord& holder = records[record];
    if (!holder.mnemonic_holder || !HasMnemonic(holder.text, character)) continue;
    return Decision(holder.focus.label ? WindowKeyAction::kMoveFocusFromLabel : WindowKeyAction::kPressButton, record);
  }
  return Decision(WindowKeyAction::kPass);
}

}  // namespace

WindowKeyDecision DecideWindowKey(std::uint16_t code, std::span<const KeyRecord> records,
                                  std::optional<std::size_t> focused_record, const WindowKeySettings& settings) {
  if (focused_record && *focused_record >= records.size()) focused_record.reset();
  if (focused_record && Claims(records[*focused_record], code)) return Decision(WindowKeyAction::kPass);
  switch (code) {
    case key_code::kTab:
      return Decision(WindowKeyAction::kMoveFocus, 0, FocusDirection::kForward);
    case key_code::kShiftTab:
      return Decision(WindowKeyAction::kMoveFocus, 0, FocusDirection::kBackward);
    case key_code::kEnter:
      return DecideEnter(records, focused_record, settings);
    case key_code::kEsc:
      return Decision(settings.esc_closes ? WindowKeyAction::kClose : WindowKeyAction::kPass);
    case key_code::kF1:
      return Decision(settings.f1_opens_help && settings.help_file_exists ? WindowKeyAction::kOpenHelp
                                                                          : WindowKeyAction::kPass);
    case key_code::kLeft:
    case key_code::kUp:
      return DecideArrow(records, focused_record, FocusDirection::kBackward);
    case key_code::kRight:
    case key_code::kDown:
      return DecideArrow(records, focused_record, FocusDirection::kForward);
    default:
      break;
  }
  if (const char character = AltMnemonicCharacter(code); character != 0) return DecideMnemonic(records, character);
  return Decision(WindowKeyAction::kPass);
}

bool HasMnemonic(std::string_view text, char character) {
  const char wanted = UpperCase(character);
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (IsLeadByte(byte)) {
      ++at;  // its trail byte may look like an ASCII letter
      continue;
    }
    if (byte != '&' || at + 1 >= text.size()) continue;
    const char next = text[at + 1];
    if (next == '&') {
      ++at;  // a plain "&"
      continue;
    }
    if (UpperCase(next) == wanted) return true;
  }
  return false;
}
