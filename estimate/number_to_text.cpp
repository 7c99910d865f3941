#include "number_to_text.h"

#include <array>
#include <cstddef>
#include <cstring>

#include "number_layout.h"
#include "text_memory.h"

char* NumberToText(double x) {
  std::array<char, kMaxNumberTextLength> text{};
  const std::size_t length = WriteNumberText(x, text);
  auto* value = static_cast<char*>(AllocateMemory(length + 1));
  std::memcpy(value, text.data(), length);
  value[length] = '\0';
  return value;
}

void NumberToTextCommand(TypedValue* result, std::int32_t count, const TypedValue* arguments) {
  if (result == nullptr) return;
  // The program passes exactly one number. Anything else (no argument, or an
  // argument of another type) is read as the number 0 and gives "0": the
  // caller still receives a proper text value of its own to release, and no
  // bits of a foreign type are misread as a double.
  const bool has_number = count >= 1 && arguments != nullptr && arguments[0].tag == kNumberTag;
  const double x = has_number ? NumberResult(arguments[0]) : 0.0;
  *result = TextArgument(NumberToText(x));
}
