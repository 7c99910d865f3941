#include "text_to_number.h"

#include "decimal_rounding.h"
#include "decimal_token.h"
#include "working_copy.h"

double TextToNumber(const char* text) {
  const WorkingCopy copy(text);
  return RoundDecimal(TokenizeDecimal(copy.Text()));
}

void TextToNumberCommand(TypedValue* result, std::int32_t count, const TypedValue* arguments) {
  double number = 0.0;
  if (count >= 1 && arguments != nullptr) {
    const TypedValue& argument = arguments[0];
    if (argument.tag == kTextTag) {
      number = TextToNumber(TextResult(argument));
    } else if (argument.tag == kNumberTag) {
      number = NumberResult(argument);
    }
    // Integers, truth values, single floats and the other types have tags
    // that this program never defines or passes; they read as 0.
  }
  *result = NumberArgument(number);
}
