#include "command_call.h"

#include <bit>

TypedValue CallCommand(Command command, std::int32_t count, const TypedValue* arguments) {
  TypedValue result;
  command(&result, count, arguments);
  return result;
}

TypedValue TextArgument(const char* text) {
  return TypedValue{static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(text)), kTextTag};
}

TypedValue NumberArgument(double number) { return TypedValue{std::bit_cast<std::uint64_t>(number), kNumberTag}; }

char* TextResult(const TypedValue& result) {
  // The value carries a pointer by design: that is how texts cross CallCommand.
  return reinterpret_cast<char*>(static_cast<std::uintptr_t>(result.value));  // NOLINT(performance-no-int-to-ptr)
}

double NumberResult(const TypedValue& result) { return std::bit_cast<double>(result.value); }
