#include "key_code.h"

namespace {

// The number pad's keys as the main keys that type the same character.
std::uint32_t FoldNumberPad(std::uint32_t key) {
  if (key >= virtual_key::kNumpad0 && key <= virtual_key::kNumpad9) {
    return virtual_key::kDigit0 + (key - virtual_key::kNumpad0);
  }
  switch (key) {
    case virtual_key::kSubtract:
      return virtual_key::kOemMinus;
    case virtual_key::kDecimal:
      return virtual_key::kOemPeriod;
    case virtual_key::kDivide:
      return virtual_key::kOem2;
    default:
      return key;
  }
}

}  // namespace

std::uint16_t MakeKeyCode(std::uint64_t w_param, ModifierState modifiers) {
  const std::uint32_t key = FoldNumberPad(static_cast<std::uint32_t>(w_param & 0xFF));
  std::uint32_t code = key;
  if (modifiers.ctrl && key != virtual_key::kControl) code |= key_modifier::kCtrl;
  if (modifiers.shift && key != virtual_key::kShift) code |= key_modifier::kShift;
  if (modifiers.alt && key != virtual_key::kMenu) code |= key_modifier::kAlt;
  return static_cast<std::uint16_t>(code);
}

char AltMnemonicCharacter(std::uint16_t key_code) {
  if ((key_code & key_modifier::kAll) != key_modifier::kAlt) return 0;
  const auto key = static_cast<char>(key_code & 0xFF);
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return key;
  return 0;
}
