#include "typing_filter.h"

namespace {
bool IsDigit(std::uint32_t code) { return code >= '0' && code <= '9'; }
}  // namespace

bool AcceptsTypedCharacter(std::int32_t input_mode, std::uint32_t code) {
  if (code < 32) return true;  // editing keys: backspace, Ctrl+C, Ctrl+V, ...
  switch (input_mode) {
    case 3:
    case 6:
    case 7:
    case 8:  // whole numbers
      return IsDigit(code) || code == '-';
    case 4:
    case 9:
    case 10:  // numbers with a fraction
      return IsDigit(code) || code == '-' || code == '.';
    case 5:  // digits only
      return IsDigit(code);
    default:  // 0 any text, 1 read-only, 2 password, 11 and unknown modes
      return true;
  }
}
