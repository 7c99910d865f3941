// The start of the program: the shell prepared, the start window shown, the
// message loop run.
#pragma once

#include <cstdint>

// InitShell, the floating-point reset, the program's initialisation, its
// clean-up registered, the start window loaded, the message loop. Returns 0.
std::int32_t ProgramStart();

// Takes the process heap, initialises OLE once, makes the program's directory
// the current directory, creates the hidden owner window, records this
// thread and installs the program's window descriptions.
void InitShell();

// Builds and shows the window with window number window; ends the program
// with "载入启动窗口失败" when there is no such description or it cannot be
// built.
void LoadStartWindow(std::uint32_t window);
