// Any 64-bit pattern as a double: the text is never empty, never longer than
// kMaxNumberTextLength, plain printable ASCII, and agrees with the slow exact
// reference on the 17 rounded digits and on every byte of the text.
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "exact_decimal.h"
#include "number_digits.h"
#include "number_layout.h"
#include "number_to_text.h"
#include "text_memory.h"

namespace {

[[noreturn]] void Fail(const char* what, std::uint64_t bits, const std::string& text) {
  std::fprintf(stderr, "%s: bits=0x%016llx text=\"%s\"\n", what, static_cast<unsigned long long>(bits), text.c_str());
  std::abort();
}

bool IsSpecialText(const std::string& text) {
  for (const char* special : {"0", "1.#INF", "-1.#INF", "-1.#IND", "1.#QNAN", "-1.#QNAN"}) {
    if (text == special) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
  const double x = std::bit_cast<double>(bits);

  std::array<char, kMaxNumberTextLength> buffer{};
  const std::size_t length = WriteNumberText(x, buffer);
  if (length == 0 || length > kMaxNumberTextLength) Fail("length out of range", bits, "");
  const std::string text(buffer.data(), length);
  for (const char c : text) {
    if (c < 0x20 || c > 0x7E) Fail("not printable ASCII", bits, text);
  }

  char* value = NumberToText(x);
  if (text != value) Fail("text value differs from the buffer", bits, text);
  ReleaseMemory(value);

  const std::uint64_t exponent_field = (bits >> 52) & 0x7FF;
  const bool finite_nonzero = exponent_field != 0x7FF && (bits << 1) != 0;
  if (!finite_nonzero) {
    if (!IsSpecialText(text)) Fail("special value with an ordinary text", bits, text);
    return 0;
  }

  const ExactRounding exact = RoundExactlyTo17Digits(ExpandExactly(x));
  const DecimalDigits rounded17 = RoundTo17Digits(x);
  if (!(rounded17 == exact.half_up || (exact.either_way && rounded17 == exact.other_way))) {
    Fail("17 digits differ from the exact rounding", bits, text);
  }
  if (text != ReferenceText(x, rounded17)) Fail("text differs from the reference", bits, text);
  return 0;
}
