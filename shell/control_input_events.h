// The common keyboard and mouse events a window raises for the control a
// message is aimed at, before the message is dispatched. A handler bound to
// one of them may swallow the message by returning 0 (false).
#pragma once

#include <cstdint>
#include <optional>

// Common event numbers (negative: every control type has them). -7 and -8
// are got focus and lost focus.
namespace input_event {
inline constexpr std::int32_t kMouseDown = -1;    // x, y, button (1 left, 2 right, 3 middle)
inline constexpr std::int32_t kMouseUp = -2;      // x, y, button
inline constexpr std::int32_t kDoubleClick = -3;  // x, y, button
inline constexpr std::int32_t kMouseMove = -4;    // x, y, buttons held (the message's key-state bits)
inline constexpr std::int32_t kKeyDown = -5;      // key code (key_code.h)
inline constexpr std::int32_t kKeyUp = -6;        // key code
inline constexpr std::int32_t kCharacter = -9;    // the character code
}  // namespace input_event

// Message numbers of the keyboard and mouse messages, by their system values.
namespace input_message {
inline constexpr std::uint32_t kKeyDown = 0x0100;
inline constexpr std::uint32_t kKeyUp = 0x0101;
inline constexpr std::uint32_t kChar = 0x0102;
inline constexpr std::uint32_t kSysKeyDown = 0x0104;
inline constexpr std::uint32_t kSysKeyUp = 0x0105;
inline constexpr std::uint32_t kSysChar = 0x0106;
inline constexpr std::uint32_t kFirstKeyboard = 0x0100;  // WM_KEYDOWN
inline constexpr std::uint32_t kLastKeyboard = 0x0108;   // WM_SYSDEADCHAR
inline constexpr std::uint32_t kMouseMove = 0x0200;
inline constexpr std::uint32_t kLeftDown = 0x0201;
inline constexpr std::uint32_t kLeftUp = 0x0202;
inline constexpr std::uint32_t kLeftDoubleClick = 0x0203;
inline constexpr std::uint32_t kRightDown = 0x0204;
inline constexpr std::uint32_t kRightUp = 0x0205;
inline constexpr std::uint32_t kRightDoubleClick = 0x0206;
inline constexpr std::uint32_t kMiddleDown = 0x0207;
inline constexpr std::uint32_t kMiddleUp = 0x0208;
inline constexpr std::uint32_t kMiddleDoubleClick = 0x0209;
}  // namespace input_message

constexpr bool IsKeyboardMessage(std::uint32_t message) {
  return message >= input_message::kFirstKeyboard && message <= input_message::kLastKeyboard;
}

struct ControlInputEvent {
  std::int32_t event = 0;
  std::int32_t argument_count = 0;
  std::int32_t arguments[3] = {};

  friend bool operator==(const ControlInputEvent&, const ControlInputEvent&) = default;
};

// The event for a message with its wParam and lParam; key_code is the key
// code of key presses and releases (0 for other messages). None for any
// message that is no keyboard or mouse input.
std::optional<ControlInputEvent> ControlInputEventOf(std::uint32_t message, std::uint64_t w_param,
                                                     std::uint64_t l_param, std::uint16_t key_code);
