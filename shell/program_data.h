// What the program hands the shell at start-up. The program defines
// TheProgram() once; test programs link the same shell with their own
// definition to run it on altered data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "event_handler.h"

struct ProgramData {
  // The stored form of the window descriptions.
  std::span<const unsigned char> descriptions;
  // The routines the stored handler offsets lead to.
  std::span<const HandlerEntry> handlers;
  // The constant area; text values pointing into it are never freed.
  const unsigned char* constants_begin = nullptr;
  std::size_t constants_size = 0;
  // The window built and shown at start-up.
  std::uint32_t start_window = 0;
  // The program's own initialisation and clean-up; either may be null.
  void (*init)() = nullptr;
  void (*cleanup)() = nullptr;
};

const ProgramData& TheProgram();
