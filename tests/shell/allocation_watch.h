// Watches the test program's heap requests: the largest single request made
// while a watch is alive. The test program replaces the global operator new
// for this (allocation_watch.cpp).
#pragma once

#include <cstddef>

class AllocationWatch {
 public:
  AllocationWatch();
  ~AllocationWatch();
  AllocationWatch(const AllocationWatch&) = delete;
  AllocationWatch& operator=(const AllocationWatch&) = delete;

  std::size_t largest_request() const;
};
