// The process entry point of a program built on the shell.
#include <windows.h>

#include "shell_state.h"
#include "shutdown.h"
#include "win32_program_start.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*command_line*/, int /*show*/) {
  // No system boxes for missing disks or files: the program handles none.
  ::SetErrorMode(::GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  ProgramStart();
  ShutDownShell(0);
  // The code the quit message carried; 0 when the loop never ran. The normal
  // exit then destroys the shell state, whose second shut-down does nothing.
  return Shell().quit_code;
}
