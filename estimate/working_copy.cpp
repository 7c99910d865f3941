#include "working_copy.h"

#include <cstdint>
#include <cstring>

#include "fold_full_width.h"
#include "text_memory.h"

namespace {

// Eight bytes at a time: a shoe size is a few bytes, so a vectorised loop's
// set-up would cost more than it saves.
bool IsAscii(const char* text, std::size_t length) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  std::uint64_t any = 0;
  std::size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text + i, sizeof word);
    any |= word;
  }
  for (; i < length; ++i) any |= static_cast<unsigned char>(text[i]);
  return (any & kHighBits) == 0;
}

}  // namespace

WorkingCopy::WorkingCopy(const char* text) {
  const std::size_t length = text == nullptr ? 0 : std::strlen(text);
  if (IsAscii(text, length)) {
    text_ = std::string_view(text == nullptr ? "" : text, length);
    return;
  }
  // Folding never lengthens a text, so the input's length bounds the copy.
  char* out = inline_;
  if (length >= kInlineSize) out = heap_block_ = static_cast<char*>(AllocateMemory(length + 1));
  text_ = std::string_view(out, FoldFullWidth(text, length, out));
}

WorkingCopy::~WorkingCopy() {
  if (heap_block_ != nullptr) ReleaseMemory(heap_block_);
}
