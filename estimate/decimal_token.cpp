#include "decimal_token.h"

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// The cursor over the text: every read is bounds-checked, and reading past the
// end gives a zero byte, which continues nothing.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  char At(std::size_t offset) const { return offset < text_.size() ? text_[offset] : '\0'; }
  std::size_t SkipDigits(std::size_t offset) const {
    while (IsDigit(At(offset))) ++offset;
    return offset;
  }
  std::string_view Slice(std::size_t from, std::size_t to) const { return text_.substr(from, to - from); }

 private:
  std::string_view text_;
};

// Reads exponent digits left to right; once the value passes the limit it
// stays at the cap and the other digits are passed over. Returns the offset
// after the digits.
std::size_t ReadExponentDigits(const Cursor& cursor, std::size_t offset, std::int32_t& magnitude) {
  magnitude = 0;
  for (; IsDigit(cursor.At(offset)); ++offset) {
    if (magnitude > kExponentLimit) continue;
    magnitude = magnitude * 10 + (cursor.At(offset) - '0');
    if (magnitude > kExponentLimit) magnitude = kExponentCap;
  }
  return offset;
}

}  // namespace

DecimalToken TokenizeDecimal(std::string_view text) {
  const Cursor cursor(text);
  DecimalToken token;
  std::size_t at = 0;
  while (IsBlank(cursor.At(at))) ++at;

  if (IsSign(cursor.At(at))) {
    token.negative = cursor.At(at) == '-';
    ++at;
  }

  const std::size_t integer_begin = at;
  at = cursor.SkipDigits(at);
  token.integer_digits = cursor.Slice(integer_begin, at);

  // A full stop belongs to the mantissa after digits, or before one.
  if (cursor.At(at) == '.' && (!token.integer_digits.empty() || IsDigit(cursor.At(at + 1)))) {
    const std::size_t fraction_begin = ++at;
    at = cursor.SkipDigits(at);
    token.fraction_digits = cursor.Slice(fraction_begin, at);
  }
  if (token.integer_digits.empty() && token.fraction_digits.empty()) return DecimalToken{};
  token.found = true;

  // An exponent letter counts only with digits after it (and its sign).
  if (IsExponentLetter(cursor.At(at))) {
    std::size_t digits_at = at + 1;
    const bool exponent_negative = cursor.At(digits_at) == '-';
    if (IsSign(cursor.At(digits_at))) ++digits_at;
    if (IsDigit(cursor.At(digits_at))) {
      std::int32_t magnitude = 0;
      at = ReadExponentDigits(cursor, digits_at, magnitude);
      token.exponent = exponent_negative ? -magnitude : magnitude;
    }
  }
  token.end = at;
  return token;
}
