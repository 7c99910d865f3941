#include "decimal_token.h"

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// Reads exponent digits left to right; once the value passes the limit it
// stays at the cap and the other digits are passed over. Returns the position
// after the digits.
const char* ReadExponentDigits(const char* p, const char* end, std::int32_t& magnitude) {
  magnitude = 0;
  for (; p != end && IsDigit(*p); ++p) {
    if (magnitude > kExponentLimit) continue;
    magnitude = magnitude * 10 + (*p - '0');
    if (magnitude > kExponentLimit) magnitude = kExponentCap;
  }
  return p;
}

const char* SkipDigits(const char* p, const char* end) {
  while (p != end && IsDigit(*p)) ++p;
  return p;
}

}  // namespace

DecimalToken TokenizeDecimal(std::string_view text) {
  // Every read checks against end: the text need not be zero-terminated.
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  while (p != end && IsBlank(*p)) ++p;

  DecimalToken token;
  if (p != end && IsSign(*p)) {
    token.negative = *p == '-';
    ++p;
  }

  const char* const integer_begin = p;
  p = SkipDigits(p, end);
  token.integer_digits = std::string_view(integer_begin, static_cast<std::size_t>(p - integer_begin));

  // A full stop belongs to the mantissa after digits, or before one.
  if (p != end && *p == '.' && (p != integer_begin || (p + 1 != end && IsDigit(p[1])))) {
    const char* const fraction_begin = ++p;
    p = SkipDigits(p, end);
    token.fraction_digits = std::string_view(fraction_begin, static_cast<std::size_t>(p - fraction_begin));
  }
  if (token.integer_digits.empty() && token.fraction_digits.empty()) return DecimalToken{};
  token.found = true;

  // An exponent letter counts only with digits after it (and its sign).
  if (p != end && IsExponentLetter(*p)) {
    const char* digits = p + 1;
    const bool exponent_negative = digits != end && *digits == '-';
    if (digits != end && IsSign(*digits)) ++digits;
    if (digits != end && IsDigit(*digits)) {
      std::int32_t magnitude = 0;
      p = ReadExponentDigits(digits, end, magnitude);
      token.exponent = exponent_negative ? -magnitude : magnitude;
    }
  }
  token.end = static_cast<std::size_t>(p - begin);
  return token;
}
