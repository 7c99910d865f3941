#include "shell_state.h"

#include "shutdown.h"

namespace {
// Destroyed at the process's normal exit just before the state it guards.
struct ShutDownAtExit {
  ShellState& shell;
  ~ShutDownAtExit() { ShutDownShell(shell, 0); }
};
}  // namespace

ShellState& Shell() {
  // Constructed on first use, so it exists before anything at start-up asks.
  static ShellState state;
  static const ShutDownAtExit guard{state};
  return state;
}
