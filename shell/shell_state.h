// The shell's one state object: everything the shell keeps for the life of
// the process lives here, not in scattered globals.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "heap.h"

using ExitRoutine = void (*)();

struct ShellState {
  Heap heap = ProcessHeap();  // every text value comes from it

  // The program's constant area; pointers into it are never freed or resized.
  const unsigned char* constants_begin = nullptr;
  std::size_t constants_size = 0;

  // While above 0 no event reaches a handler.
  std::int32_t event_suppression = 0;

  // Run in registration order by the shut-down; dropped by a fatal error.
  std::vector<ExitRoutine> exit_routines;
};

ShellState& Shell();
