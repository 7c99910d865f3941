// Text values: zero-terminated byte strings (code page 936) in blocks of the
// shell's heap. Whoever receives one owns it and releases it. A pointer into
// the program's constant area may stand wherever a text value is expected;
// these operations recognise it and never free or resize the area.
#pragma once

#include <cstddef>

// A block of exactly size bytes, not cleared. Never null: a refused request
// ends the program through ReportAllocationFailure.
void* AllocateMemory(std::size_t size);

// Resizes block to size bytes; it may move. Null behaves as AllocateMemory; a
// pointer into the constant area gets a fresh block holding a copy of what the
// area has from that pointer on, cut to size. Never null.
void* ReallocateMemory(void* block, std::size_t size);

// Frees block; null and pointers into the constant area are left alone.
void ReleaseMemory(void* block);

// True when p points into the constant area recorded in the shell state.
bool IsInConstantArea(const void* p);
