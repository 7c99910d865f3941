// A test fixture piece: the target program started from a temporary
// directory with its main window found, or a clear reason why not.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "main_window.h"
#include "target_process.h"

namespace gui {

struct LaunchedWindow {
  std::unique_ptr<TargetProcess> process;
  MainWindow main;
};

// Starts the program named by TALVENOR_GUI_TARGET and waits for its window;
// fails the current test (fatally) when that is impossible.
void Launch(LaunchedWindow* launched);

}  // namespace gui
