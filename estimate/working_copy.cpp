#include "working_copy.h"

#include <cstring>

#include "fold_full_width.h"
#include "text_memory.h"

WorkingCopy::WorkingCopy(const char* text) {
  const std::size_t input_length = text == nullptr ? 0 : std::strlen(text);
  // Folding never lengthens a text, so the input's length bounds the copy.
  if (input_length >= kInlineSize) bytes_ = static_cast<char*>(AllocateMemory(input_length + 1));
  length_ = FoldFullWidth(text, input_length, bytes_);
}

WorkingCopy::~WorkingCopy() {
  if (bytes_ != inline_) ReleaseMemory(bytes_);
}
