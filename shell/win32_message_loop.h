// The shell's message loop and the road every message it takes goes.
#pragma once

#include <windows.h>

// The exit request another thread sends the hidden owner window; wParam
// carries the exit code.
inline constexpr UINT kExitRequestMessage = WM_APP + 999;

// Offers message to the keyboard handling of each program window from its
// target up to the top-level window; unless one consumes it, translates and
// dispatches it.
void DispatchLoopMessage(const MSG& message);

// Runs until the quit message; its code becomes the shell's quit code.
// Returns at once when no program window exists.
void RunMessageLoop();
