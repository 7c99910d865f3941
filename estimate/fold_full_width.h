// Full-width folding: the double-byte forms of the ASCII characters in code
// page 936 become their ASCII bytes, so that a number typed in full-width
// digits, signs and letters reads like the same number typed in ASCII.
#pragma once

#include <cstddef>

// Writes the folded form of the length bytes at text, then a zero byte, into
// out, and returns the folded length. out must hold length + 1 bytes: folding
// never lengthens a text. A null text folds to the empty text.
//
// Every byte of 0x80 or more starts a double-byte character together with the
// byte after it, whatever that byte is; a lead byte with nothing after it is
// dropped. Pairs outside the fold table are copied unchanged.
std::size_t FoldFullWidth(const char* text, std::size_t length, char* out);
