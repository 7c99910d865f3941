#include "fold_full_width.h"

namespace {

// The lead bytes of the folded pairs.
constexpr unsigned char kFullWidthAsciiLead = 0xA3;  // A3A1..A3FE: full-width forms of 0x21..0x7E
constexpr unsigned char kSymbolLead = 0xA1;          // ideographic space, wave dash, stars

// The ASCII byte that the pair (lead, trail) folds to, or 0 when the pair is
// kept as it is.
unsigned char FoldPair(unsigned char lead, unsigned char trail) {
  if (lead == kFullWidthAsciiLead) {
    return trail >= 0xA1 && trail <= 0xFE ? static_cast<unsigned char>(trail - 0x80) : 0;
  }
  if (lead == kSymbolLead) {
    switch (trail) {
      case 0xA1:  // ideographic space
        return 0x20;
      case 0xAB:  // wave dash
        return 0x7E;
      case 0xEE:  // white star
      case 0xEF:  // black star
        return 0x2A;
      default:
        return 0;
    }
  }
  return 0;
}

}  // namespace

std::size_t FoldFullWidth(const char* text, std::size_t length, char* out) {
  std::size_t written = 0;
  if (text == nullptr) length = 0;
  std::size_t i = 0;
  while (i < length) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      out[written++] = text[i++];
      continue;
    }
    if (i + 1 == length) break;  // a lead byte with no partner is dropped
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    const unsigned char folded = FoldPair(byte, trail);
    if (folded != 0) {
      out[written++] = static_cast<char>(folded);
    } else {
      out[written++] = text[i];
      out[written++] = text[i + 1];
    }
    i += 2;
  }
  out[written] = '\0';
  return written;
}
