#include "shell_state.h"

ShellState& Shell() {
  // Constructed on first use, so it exists before anything at start-up asks.
  static ShellState state;
  return state;
}
