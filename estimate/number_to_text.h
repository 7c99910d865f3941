// Number to text, as the output box shows it: at most 13 significant digits,
// no trailing zeros, an exponential form for very large and very small
// magnitudes, and the same bytes whatever the system's regional settings.
#pragma once

#include <cstdint>

#include "command_call.h"

// A new text value (plain ASCII, never empty, at most 20 bytes before its
// zero) holding the text of x. One allocation, of exactly the text's length
// plus one; the caller owns it and releases it with ReleaseMemory.
char* NumberToText(double x);

// The command form, called through CallCommand with one number argument. The
// result carries the new text value's pointer, tagged as a text.
void NumberToTextCommand(TypedValue* result, std::int32_t count, const TypedValue* arguments);
