// The window's 16-bit key code: the virtual key of a key press, with the
// number pad folded onto the main keys and the modifiers held down in the
// high bits. Keys are compared by this code, so Ctrl+Tab is no Tab.
#pragma once

#include <cstdint>

// The virtual keys the window's keyboard handling looks at, by their system
// numbers (this header is portable, so the system's names are not at hand).
namespace virtual_key {
inline constexpr std::uint32_t kTab = 0x09;
inline constexpr std::uint32_t kReturn = 0x0D;
inline constexpr std::uint32_t kShift = 0x10;
inline constexpr std::uint32_t kControl = 0x11;
inline constexpr std::uint32_t kMenu = 0x12;  // Alt
inline constexpr std::uint32_t kEscape = 0x1B;
inline constexpr std::uint32_t kSpace = 0x20;
inline constexpr std::uint32_t kLeft = 0x25;
inline constexpr std::uint32_t kUp = 0x26;
inline constexpr std::uint32_t kRight = 0x27;
inline constexpr std::uint32_t kDown = 0x28;
inline constexpr std::uint32_t kDigit0 = 0x30;   // the digit keys are their ASCII digits
inline constexpr std::uint32_t kLetterA = 0x41;  // the letter keys are their upper-case letters
inline constexpr std::uint32_t kNumpad0 = 0x60;
inline constexpr std::uint32_t kNumpad9 = 0x69;
inline constexpr std::uint32_t kSubtract = 0x6D;
inline constexpr std::uint32_t kDecimal = 0x6E;
inline constexpr std::uint32_t kDivide = 0x6F;
inline constexpr std::uint32_t kF1 = 0x70;
inline constexpr std::uint32_t kOemMinus = 0xBD;
inline constexpr std::uint32_t kOemPeriod = 0xBE;
inline constexpr std::uint32_t kOem2 = 0xBF;  // "/" on the main keys
}  // namespace virtual_key

// The modifier bits of a key code.
namespace key_modifier {
inline constexpr std::uint16_t kCtrl = 0x2000;
inline constexpr std::uint16_t kShift = 0x4000;
inline constexpr std::uint16_t kAlt = 0x8000;
inline constexpr std::uint16_t kAll = kCtrl | kShift | kAlt;
}  // namespace key_modifier

// The key codes the window answers.
namespace key_code {
inline constexpr std::uint16_t kTab = 0x0009;
inline constexpr std::uint16_t kShiftTab = key_modifier::kShift | 0x0009;
inline constexpr std::uint16_t kEnter = 0x000D;
inline constexpr std::uint16_t kEsc = 0x001B;
inline constexpr std::uint16_t kF1 = 0x0070;
inline constexpr std::uint16_t kLeft = 0x0025;
inline constexpr std::uint16_t kUp = 0x0026;
inline constexpr std::uint16_t kRight = 0x0027;
inline constexpr std::uint16_t kDown = 0x0028;
}  // namespace key_code

// Which modifier keys are down while the key is pressed.
struct ModifierState {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// The key code of a WM_KEYDOWN or WM_SYSKEYDOWN whose wParam is w_param.
// Only the low byte of wParam is the key. A modifier key pressed on its own
// does not count itself as held: Ctrl alone is 0x0011, not 0x2011.
std::uint16_t MakeKeyCode(std::uint64_t w_param, ModifierState modifiers);

// The character of Alt with a letter or a digit and neither Ctrl nor Shift
// ('A' to 'Z' or '0' to '9'), or 0 for any other key code.
char AltMnemonicCharacter(std::uint16_t key_code);
