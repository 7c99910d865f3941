// The end of the shell's life: the exit routines, the shut-down and the way
// out of the process.
#pragma once

#include <cstdint>

#include "shell_state.h"

// Appends routine to the exit-routine list unless it is already there.
void RegisterExitRoutine(ExitRoutine routine);

// Called from a thread other than the user-interface thread, forwards the
// request to that thread through the hidden owner window and ends the
// process. On the user-interface thread: releases the window descriptions,
// runs and empties the exit routines, destroys the hidden owner window and
// uninitialises OLE. Running it again changes nothing.
void ShutDownShell(std::int32_t exit_code);
void ShutDownShell(ShellState& shell, std::int32_t exit_code);

// ShutDownShell, then the end of the process with exit_code.
[[noreturn]] void ExitProgram(std::int32_t exit_code);
