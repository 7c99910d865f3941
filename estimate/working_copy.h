// The text-to-number conversion's private, folded copy of its input.
#pragma once

#include <cstddef>
#include <string_view>

// Folds text (null counts as empty) on construction and frees any memory it
// took on destruction. Texts up to kInlineSize - 1 bytes, which covers every
// shoe size anyone types, are folded into the object itself; longer ones get
// one block from the shell's heap.
class WorkingCopy {
 public:
  static constexpr std::size_t kInlineSize = 256;

  explicit WorkingCopy(const char* text);
  ~WorkingCopy();
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;

  // The folded bytes, without the zero byte that follows them.
  std::string_view Text() const { return {bytes_, length_}; }

 private:
  char inline_[kInlineSize];
  char* bytes_ = inline_;
  std::size_t length_ = 0;
};
