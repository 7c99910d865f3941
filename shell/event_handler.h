// How the program's event handlers are represented and called.
#pragma once

#include <cstdint>

// What a handler gives back: most handlers return nothing.
struct HandlerResult {
  bool has_value = false;
  std::int32_t value = 0;
};

// A handler takes the event's 32-bit arguments (count of them, in slot order).
using EventHandler = HandlerResult (*)(const std::int32_t* arguments, std::int32_t count);

// A program routine at a byte offset from the program's code base. The
// program lists its routines in a table; binding at start-up turns each
// stored handler offset into the routine listed for it (-1 means none).
struct HandlerEntry {
  std::int32_t offset;
  EventHandler handler;
};
