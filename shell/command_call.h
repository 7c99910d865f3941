// The one road by which the program calls a command: typed arguments in, a
// typed result out.
#pragma once

#include <cstdint>

// A 64-bit value with a 32-bit type tag.
//
// A text travels as its pointer in the value. On the 32-bit build the pointer
// is the low 32 bits and the high 32 bits are 0; a 64-bit build needs all 64
// bits for it. Storing the pointer zero-extended to 64 bits (TextArgument,
// TextResult) is therefore right on both.
struct TypedValue {
  std::uint64_t value = 0;
  std::uint32_t tag = 0;
};

inline constexpr std::uint32_t kTextTag = 0x80000004;
inline constexpr std::uint32_t kNumberTag = 0x80000601;

// A command fills the result record from count arguments.
using Command = void (*)(TypedValue* result, std::int32_t count, const TypedValue* arguments);

// Calls command with a zeroed result record and returns the record whole:
// a command that writes nothing gives value 0 and tag 0.
TypedValue CallCommand(Command command, std::int32_t count, const TypedValue* arguments);

TypedValue TextArgument(const char* text);
TypedValue NumberArgument(double number);
// The text value a result carries; the caller owns it.
char* TextResult(const TypedValue& result);
double NumberResult(const TypedValue& result);
