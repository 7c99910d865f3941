// Native stand-in for the process heap, so that text values and everything
// built on them run in host-side tests.
#include <cstdlib>

#include "heap.h"

namespace {
void* Allocate(void*, std::size_t size) { return std::malloc(size == 0 ? 1 : size); }
void* Reallocate(void*, void* block, std::size_t size) { return std::realloc(block, size == 0 ? 1 : size); }
void Release(void*, void* block) { std::free(block); }
}  // namespace

Heap ProcessHeap() { return Heap{nullptr, Allocate, Reallocate, Release}; }
