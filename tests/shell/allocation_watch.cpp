// Global operator new and delete for a test program, so AllocationWatch can
// see every request. Array and nothrow forms reach these through the
// standard library's defaults.
#include "allocation_watch.h"

#include <cstdlib>
#include <new>

namespace {
bool watching = false;
std::size_t largest = 0;
}  // namespace

AllocationWatch::AllocationWatch() {
  watching = true;
  largest = 0;
}
AllocationWatch::~AllocationWatch() { watching = false; }
std::size_t AllocationWatch::largest_request() const { return largest; }

void* operator new(std::size_t size) {
  if (watching && size > largest) largest = size;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
