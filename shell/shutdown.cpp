#include "shutdown.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "fatal_error.h"

void RegisterExitRoutine(ExitRoutine routine) {
  std::vector<ExitRoutine>& routines = Shell().exit_routines;
  if (std::find(routines.begin(), routines.end(), routine) == routines.end()) routines.push_back(routine);
}

void ShutDownShell(std::int32_t exit_code) { ShutDownShell(Shell(), exit_code); }

void ShutDownShell(ShellState& shell, std::int32_t exit_code) {
  ShellPlatform& platform = *shell.platform;
  if (shell.ui_thread_recorded && platform.CurrentThreadId() != shell.ui_thread_id) {
    // Only the user-interface thread may tear the shell down.
    if (shell.hidden_owner_window != nullptr) platform.ForwardExitRequest(shell.hidden_owner_window, exit_code);
    if (!shell.cleanup_started) platform.EndProcess(exit_code);
    return;
  }
  shell.cleanup_started = true;
  shell.windows.clear();

  // Taken out first, so that a routine that shuts down again finds nothing.
  const std::vector<ExitRoutine> routines = std::exchange(shell.exit_routines, {});
  for (ExitRoutine routine : routines) routine();

  if (shell.hidden_owner_window != nullptr) {
    platform.DestroyOwnerWindow(std::exchange(shell.hidden_owner_window, nullptr));
  }
  if (shell.ole_initialised) {
    platform.UninitializeOle();
    shell.ole_initialised = false;
  }
}

void ExitProgram(std::int32_t exit_code) {
  ShutDownShell(exit_code);
  Shell().platform->EndProcess(exit_code);
  std::abort();  // not reached: the compiler cannot see that a virtual call never returns
}
