// Text to number over arbitrary bytes, then over texts drawn from the
// number's own alphabet, where the host C library's strtod in the "C" locale
// judges the value and the same text in full-width form must read the same.
//
// Input: the first byte picks the mode, the rest is the text.
//   even first byte: the rest as it is, up to its first zero byte;
//   odd first byte: each byte of the rest picks one character of the
//     alphabet (low 7 bits) and whether it is written full-width (high bit).
#include <locale.h>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fold_full_width.h"
#include "text_to_number.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& text, double got, double want) {
  std::fprintf(stderr, "%s: got %a want %a text=", what, got, want);
  for (const char c : text) std::fprintf(stderr, "\\x%02X", static_cast<unsigned char>(c));
  std::fprintf(stderr, "\n");
  std::abort();
}

bool Same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

void CheckRawBytes(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const char* c_text = text.c_str();  // ends at the first zero byte, as a text value does
  const std::size_t length = std::strlen(c_text);
  std::string folded(length + 1, '\x5A');
  const std::size_t folded_length = FoldFullWidth(c_text, length, folded.data());
  if (folded_length > length || folded[folded_length] != '\0' || std::strlen(folded.c_str()) != folded_length) {
    Fail("fold length", text, 0, 0);
  }
  const double value = TextToNumber(c_text);
  // Folding first must change nothing: the folded text is pure ASCII where
  // it matters, and folding it again leaves it as it is.
  if (!Same(TextToNumber(folded.c_str()), value)) Fail("fold twice", text, TextToNumber(folded.c_str()), value);
}

// What strtod reads from text in the "C" locale, with any exponent above
// 5200 taken as 5201, the cap of the reader under test.
double Oracle(std::string text) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  for (char& c : text) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  char* end = nullptr;
  const double value = strtod_l(text.c_str(), &end, c_locale);
  // An exponent, if strtod read one, is the digit run just before end.
  std::size_t digits_end = static_cast<std::size_t>(end - text.c_str());
  std::size_t digits_begin = digits_end;
  while (digits_begin > 0 && text[digits_begin - 1] >= '0' && text[digits_begin - 1] <= '9') --digits_begin;
  std::size_t letter = digits_begin;
  if (letter > 0 && (text[letter - 1] == '+' || text[letter - 1] == '-')) --letter;
  if (digits_begin == digits_end || letter == 0 || (text[letter - 1] != 'e' && text[letter - 1] != 'E')) return value;
  std::uint32_t exponent = 0;
  for (std::size_t i = digits_begin; i < digits_end && exponent <= 5200; ++i) {
    exponent = exponent * 10 + static_cast<std::uint32_t>(text[i] - '0');
  }
  if (exponent <= 5200) return value;
  text.replace(digits_begin, digits_end - digits_begin, "5201");
  return strtod_l(text.c_str(), nullptr, c_locale);
}

void CheckAlphabetText(const std::uint8_t* data, std::size_t size) {
  static constexpr char kAlphabet[] = "0123456789012345.+-eEdD \t9";
  std::string ascii, full_width;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = kAlphabet[(data[i] & 0x7F) % (sizeof kAlphabet - 1)];
    ascii += c;
    if ((data[i] & 0x80) == 0 || c == '\t') {
      full_width += c;
    } else if (c == ' ') {
      full_width += "\xA1\xA1";  // ideographic space
    } else {
      full_width += '\xA3';
      full_width += static_cast<char>(static_cast<unsigned char>(c) + 0x80);
    }
  }
  const double value = TextToNumber(ascii.c_str());
  const double want = Oracle(ascii);
  if (!Same(value, want)) Fail("oracle", ascii, value, want);
  const double folded_value = TextToNumber(full_width.c_str());
  if (!Same(folded_value, value)) Fail("full-width", full_width, folded_value, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if ((data[0] & 1) == 0) {
    CheckRawBytes(data + 1, size - 1);
  } else {
    CheckAlphabetText(data + 1, size - 1);
  }
  return 0;
}
