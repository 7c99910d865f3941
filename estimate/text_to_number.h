// Text to number: the longest number a text begins with, after any blanks,
// as the nearest double. Never fails: a text without a number gives +0.
#pragma once

#include <cstdint>

#include "command_call.h"

// Reads text (a text value, or null for the empty text) without taking or
// changing it. Full-width digits, signs and letters read like ASCII ones; the
// decimal point is always the full stop, whatever the regional settings.
double TextToNumber(const char* text);

// The same conversion as a command for CallCommand: a text argument is
// converted, a number argument passes through unchanged and any other type
// gives 0. The result is always a number.
void TextToNumberCommand(TypedValue* result, std::int32_t count, const TypedValue* arguments);
