// The heap that text values live on. On Windows it is the process heap
// (HeapAlloc/HeapReAlloc/HeapFree with no flags); the native build puts a small
// layer over malloc in its place with the same contract: a new block is not
// cleared, a resized block may move, and a refused request gives null.
#pragma once

#include <cstddef>

struct Heap {
  void* handle = nullptr;  // the process heap handle on Windows; unused natively
  void* (*allocate)(void* handle, std::size_t size) = nullptr;
  void* (*reallocate)(void* handle, void* block, std::size_t size) = nullptr;
  void (*release)(void* handle, void* block) = nullptr;
};

// The platform's process heap.
Heap ProcessHeap();
