// The text-to-number conversion's private, folded copy of its input.
#pragma once

#include <cstddef>
#include <string_view>

// Folds text (null counts as empty) on construction and frees any memory it
// took on destruction. A text without bytes of 0x80 or more folds to itself,
// so it is read in place. Other texts up to kInlineSize - 1 bytes, which
// covers every shoe size anyone types, are folded into the object itself;
// longer ones into one block from the shell's heap.
class WorkingCopy {
 public:
  static constexpr std::size_t kInlineSize = 256;

  explicit WorkingCopy(const char* text);
  ~WorkingCopy();
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;

  // The folded bytes, without the zero byte that follows them.
  std::string_view Text() const { return text_; }

 private:
  std::string_view text_;
  char* heap_block_ = nullptr;
  char inline_[kInlineSize];  // written only when needed: left uninitialised
};
