// The program's side of start-up: its own initialisation and clean-up, and
// the routines its window descriptions bind events to.
#pragma once

#include <span>

#include "event_handler.h"

// Both do nothing in this program; the shell calls them at start and end.
void ProgramInit();
void ProgramCleanup();

// The routines that the handler offsets of the program's descriptions name.
std::span<const HandlerEntry> ProgramHandlers();
