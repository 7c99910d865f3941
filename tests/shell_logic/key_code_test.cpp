// The window's key code (number pad folding, modifier bits), the Alt
// mnemonic character, and the common input events raised for controls.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "control_input_events.h"
#include "key_code.h"

namespace {

struct KeyCodeRow {
  const char* what;
  std::uint64_t w_param;
  ModifierState held;
  std::uint16_t code;
};

class KeyCode : public ::testing::TestWithParam<KeyCodeRow> {};

TEST_P(KeyCode, FoldsNumberPadAndAddsHeldModifiers) {
  const KeyCodeRow& row = GetParam();
  EXPECT_EQ(MakeKeyCode(row.w_param, row.held), row.code)
      << row.what << ": wParam=0x" << std::hex << row.w_param << " ctrl=" << row.held.ctrl
      << " shift=" << row.held.shift << " alt=" << row.held.alt;
}

constexpr ModifierState kNone{};
constexpr ModifierState kCtrl{true, false, false};
constexpr ModifierState kShift{false, true, false};
constexpr ModifierState kAlt{false, false, true};
constexpr ModifierState kCtrlShift{true, true, false};
constexpr ModifierState kCtrlAlt{true, false, true};
constexpr ModifierState kAll{true, true, true};

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyCode,
    ::testing::Values(KeyCodeRow{"Tab", 0x09, kNone, 0x0009}, KeyCodeRow{"Shift+Tab", 0x09, kShift, 0x4009},
                      KeyCodeRow{"Ctrl+Tab carries Ctrl", 0x09, kCtrl, 0x2009},
                      KeyCodeRow{"Alt+Tab carries Alt", 0x09, kAlt, 0x8009}, KeyCodeRow{"Enter", 0x0D, kNone, 0x000D},
                      KeyCodeRow{"Esc", 0x1B, kNone, 0x001B}, KeyCodeRow{"F1", 0x70, kNone, 0x0070},
                      KeyCodeRow{"Alt+A", 0x41, kAlt, 0x8041}, KeyCodeRow{"all three modifiers", 0x41, kAll, 0xE041},
                      KeyCodeRow{"numpad 0 is the digit 0", 0x60, kNone, 0x0030},
                      KeyCodeRow{"numpad 9 is the digit 9", 0x69, kNone, 0x0039},
                      KeyCodeRow{"Shift+numpad 5", 0x65, kShift, 0x4035},
                      KeyCodeRow{"numpad minus is the main minus", 0x6D, kNone, 0x00BD},
                      KeyCodeRow{"numpad point is the main period", 0x6E, kNone, 0x00BE},
                      KeyCodeRow{"numpad slash is the main slash", 0x6F, kNone, 0x00BF},
                      KeyCodeRow{"numpad times is not folded", 0x6A, kNone, 0x006A},
                      KeyCodeRow{"numpad plus is not folded", 0x6B, kNone, 0x006B},
                      KeyCodeRow{"Ctrl alone does not add Ctrl", 0x11, kCtrl, 0x0011},
                      KeyCodeRow{"Ctrl with Shift held adds only Shift", 0x11, kCtrlShift, 0x4011},
                      KeyCodeRow{"Shift alone does not add Shift", 0x10, kShift, 0x0010},
                      KeyCodeRow{"Alt alone does not add Alt", 0x12, kAlt, 0x0012},
                      KeyCodeRow{"Alt with Ctrl held adds only Ctrl", 0x12, kCtrlAlt, 0x2012},
                      KeyCodeRow{"only the low byte of wParam is the key", 0x1234, kNone, 0x0034},
                      KeyCodeRow{"high bits above a numpad key are dropped", 0xFFFF0160, kNone, 0x0030}));

struct MnemonicKeyRow {
  std::uint16_t code;
  char character;  // 0: no mnemonic key
};

class AltMnemonicKey : public ::testing::TestWithParam<MnemonicKeyRow> {};

TEST_P(AltMnemonicKey, OnlyAltWithALetterOrDigit) {
  EXPECT_EQ(AltMnemonicCharacter(GetParam().code), GetParam().character) << "code=0x" << std::hex << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Codes, AltMnemonicKey,
                         ::testing::Values(MnemonicKeyRow{0x8041, 'A'}, MnemonicKeyRow{0x805A, 'Z'},
                                           MnemonicKeyRow{0x8030, '0'}, MnemonicKeyRow{0x8039, '9'},
                                           MnemonicKeyRow{0x0041, 0},  // no Alt
                                           MnemonicKeyRow{0xA041, 0},  // Ctrl+Alt
                                           MnemonicKeyRow{0xC041, 0},  // Shift+Alt
                                           MnemonicKeyRow{0x8073, 0},  // Alt+F4
                                           MnemonicKeyRow{0x8020, 0},  // Alt+Space
                                           MnemonicKeyRow{0x8040, 0}, MnemonicKeyRow{0x805B, 0},
                                           MnemonicKeyRow{0x802F, 0}, MnemonicKeyRow{0x803A, 0}));

struct InputEventRow {
  const char* what;
  std::uint32_t message;
  std::uint64_t w_param;
  std::uint64_t l_param;
  std::uint16_t key_code;
  std::optional<ControlInputEvent> event;
};

class InputEvent : public ::testing::TestWithParam<InputEventRow> {};

TEST_P(InputEvent, FromMessage) {
  const InputEventRow& row = GetParam();
  const std::optional<ControlInputEvent> event =
      ControlInputEventOf(row.message, row.w_param, row.l_param, row.key_code);
  ASSERT_EQ(event.has_value(), row.event.has_value()) << row.what;
  if (!event) return;
  EXPECT_EQ(event->event, row.event->event) << row.what;
  ASSERT_EQ(event->argument_count, row.event->argument_count) << row.what;
  for (std::int32_t i = 0; i < event->argument_count; ++i) {
    EXPECT_EQ(event->arguments[i], row.event->arguments[i]) << row.what << " argument " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, InputEvent,
    ::testing::Values(
        InputEventRow{"left button down at (16, 32)", 0x0201, 0x0001, 0x00200010, 0,
                      ControlInputEvent{-1, 3, {16, 32, 1}}},
        InputEventRow{"right button up left of the control", 0x0205, 0, 0x0005FFFE, 0,
                      ControlInputEvent{-2, 3, {-2, 5, 2}}},
        InputEventRow{"middle double click", 0x0209, 0x0010, 0x00010001, 0, ControlInputEvent{-3, 3, {1, 1, 3}}},
        InputEventRow{"move with left button and Shift held", 0x0200, 0x0005, 0x80000007, 0,
                      ControlInputEvent{-4, 3, {7, -32768, 5}}},
        InputEventRow{"bits above the low 32 of lParam are no coordinates", 0x0201, 0, 0xFFFFFFFF00200010, 0,
                      ControlInputEvent{-1, 3, {16, 32, 1}}},
        InputEventRow{"key down carries the key code", 0x0100, 0x09, 0, 0x4009, ControlInputEvent{-5, 1, {0x4009}}},
        InputEventRow{"system key up", 0x0105, 0x73, 0, 0x8073, ControlInputEvent{-6, 1, {0x8073}}},
        InputEventRow{"character", 0x0102, 0x41, 0x001E0001, 0, ControlInputEvent{-9, 1, {0x41}}},
        InputEventRow{"double-byte character unit", 0x0102, 0xB3, 0, 0, ControlInputEvent{-9, 1, {0xB3}}},
        InputEventRow{"system character", 0x0106, 0x66, 0, 0, ControlInputEvent{-9, 1, {0x66}}},
        InputEventRow{"dead character raises nothing", 0x0103, 0x5E, 0, 0, std::nullopt},
        InputEventRow{"painting raises nothing", 0x000F, 0, 0, 0, std::nullopt},
        InputEventRow{"caption press raises nothing", 0x00A1, 2, 0, 0, std::nullopt},
        InputEventRow{"wheel raises nothing", 0x020A, 0, 0, 0, std::nullopt}));

}  // namespace
