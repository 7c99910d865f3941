#include "text_join.h"

#include <cstring>

#include "text_memory.h"

std::size_t TextLength(const char* text) { return text == nullptr ? 0 : std::strlen(text); }

char* JoinTexts(std::initializer_list<const char*> texts) {
  std::size_t total = 1;  // the terminating zero
  for (const char* text : texts) total += TextLength(text);

  auto* joined = static_cast<char*>(AllocateMemory(total));
  char* out = joined;
  for (const char* text : texts) {
    const std::size_t length = TextLength(text);
    if (length != 0) std::memcpy(out, text, length);
    out += length;
  }
  *out = '\0';
  return joined;
}
