// Binding the stored handler offsets of the window descriptions to the
// program's routines, once, at start-up.
#pragma once

#include <span>
#include <vector>

#include "event_handler.h"
#include "window_description.h"

// Offset -1 becomes "no handler"; any other offset becomes the routine the
// table lists for it. An offset the table does not list names no routine of
// the program, so the data is unusable: the binding stops and returns false,
// and the caller ends the program rather than call anything.
bool BindEventHandlers(std::vector<WindowDescription>& windows, std::span<const HandlerEntry> handlers);
