// Counts the blocks the shell's heap hands out and takes back while a
// CountingHeap lives, passing each request on to the heap that was in place;
// that heap is put back when the CountingHeap goes. One at a time: the
// counters are shared by the plain function pointers the shell calls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "heap.h"
#include "shell_state.h"

class CountingHeap {
 public:
  CountingHeap() {
    underlying_ = Shell().heap;
    taken_ = 0;
    live_ = 0;
    Heap counting = underlying_;
    counting.allocate = [](void* handle, std::size_t size) {
      void* block = underlying_.allocate(handle, size);
      if (block != nullptr) {
        ++taken_;
        ++live_;
      }
      return block;
    };
    counting.release = [](void* handle, void* block) {
      if (block != nullptr) --live_;
      underlying_.release(handle, block);
    };
    Shell().heap = counting;
  }
  ~CountingHeap() { Shell().heap = underlying_; }
  CountingHeap(const CountingHeap&) = delete;
  CountingHeap& operator=(const CountingHeap&) = delete;

  // Blocks handed out so far, and those not yet taken back.
  static std::int64_t Taken() { return taken_; }
  static std::int64_t Live() { return live_; }

 private:
  static inline Heap underlying_;
  static inline std::int64_t taken_ = 0;
  static inline std::int64_t live_ = 0;
};
