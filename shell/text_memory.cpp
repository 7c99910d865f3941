#include "text_memory.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>

#include "fatal_error.h"
#include "shell_state.h"

namespace {
// The failure report carries the request as a 32-bit signed count, as the
// error text shows it; sizes beyond that range appear wrapped.
[[noreturn]] void Refused(std::size_t size) { ReportAllocationFailure(static_cast<std::int32_t>(size)); }
}  // namespace

bool IsInConstantArea(const void* p) {
  const ShellState& shell = Shell();
  if (shell.constants_begin == nullptr) return false;
  // std::less gives a total order even for pointers into unrelated objects.
  const auto* q = static_cast<const unsigned char*>(p);
  return !std::less<>{}(q, shell.constants_begin) && std::less<>{}(q, shell.constants_begin + shell.constants_size);
}

void* AllocateMemory(std::size_t size) {
  const Heap& heap = Shell().heap;
  void* block = heap.allocate(heap.handle, size);
  if (block == nullptr) Refused(size);
  return block;
}

void* ReallocateMemory(void* block, std::size_t size) {
  if (block == nullptr) return AllocateMemory(size);
  if (IsInConstantArea(block)) {
    const ShellState& shell = Shell();
    const auto* from = static_cast<const unsigned char*>(block);
    const auto to_end = static_cast<std::size_t>(shell.constants_begin + shell.constants_size - from);
    void* fresh = AllocateMemory(size);
    std::memcpy(fresh, from, std::min(size, to_end));
    return fresh;
  }
  const Heap& heap = Shell().heap;
  void* moved = heap.reallocate(heap.handle, block, size);
  if (moved == nullptr) Refused(size);
  return moved;
}

void ReleaseMemory(void* block) {
  if (block == nullptr || IsInConstantArea(block)) return;
  const Heap& heap = Shell().heap;
  heap.release(heap.handle, block);
}
