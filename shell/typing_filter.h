// Which typed characters an edit box takes, by its input mode.
#pragma once

#include <cstdint>

// code is the character code of a WM_CHAR (a byte of code page 936 text, or a
// control character). Codes below 32 always go through; modes 3 to 10 take
// only characters that can be part of a number. A refused character is
// dropped silently.
bool AcceptsTypedCharacter(std::int32_t input_mode, std::uint32_t code);
