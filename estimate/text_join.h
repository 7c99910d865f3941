// Small text routines of the click handler.
#pragma once

#include <cstddef>
#include <initializer_list>

// The number of bytes before the first zero byte; 0 for a null text.
std::size_t TextLength(const char* text);

// A new text value holding the texts one after the other (a null text counts
// as empty). The caller owns the result. With one text it is a fresh copy;
// with none, a fresh empty text.
char* JoinTexts(std::initializer_list<const char*> texts);
