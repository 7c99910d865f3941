// The process heap, asked with no flags: blocks are neither zeroed nor
// serialised beyond the heap's default.
#include <windows.h>

#include "heap.h"

namespace {
void* Allocate(void* heap, std::size_t size) { return ::HeapAlloc(heap, 0, size); }
void* Reallocate(void* heap, void* block, std::size_t size) { return ::HeapReAlloc(heap, 0, block, size); }
void Release(void* heap, void* block) { ::HeapFree(heap, 0, block); }
}  // namespace

Heap ProcessHeap() { return Heap{::GetProcessHeap(), Allocate, Reallocate, Release}; }
