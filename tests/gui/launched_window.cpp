#include "launched_window.h"

namespace gui {

void Launch(LaunchedWindow* launched) {
  const std::string exe = TargetExePath();
  ASSERT_FALSE(exe.empty()) << "TALVENOR_GUI_TARGET names no program";
  ASSERT_NE(GetSystemMetrics(SM_CXSCREEN), 0) << "no display: run inside scripts/wine-session.sh";
  launched->process = std::make_unique<TargetProcess>(exe);
  ASSERT_TRUE(launched->process->started()) << "cannot start " << exe << " (error " << GetLastError() << ")";
  launched->main.window = launched->process->WaitForVisibleWindow();
  ASSERT_NE(launched->main.window, nullptr) << exe << " showed no window";
  // Start-up is over, painting included, once the program waits for input.
  ASSERT_EQ(WaitForInputIdle(launched->process->handle(), 10000), 0u) << exe << " never waited for input";
}

}  // namespace gui
