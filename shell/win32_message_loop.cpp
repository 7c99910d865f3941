#include "win32_message_loop.h"

#include "idle_restart.h"
#include "idle_step.h"
#include "shell_state.h"
#include "win32_form_window.h"
#include "window_registry.h"

namespace {

bool PreTranslate(const MSG& message) {
  for (HWND window = message.hwnd; window != nullptr; window = ::GetParent(window)) {
    if (FormWindow* form = FormWindow::FromHandle(window)) {
      if (form->TranslateWindowKey(message)) return true;
    }
    // The walk ends at the top-level window; GetParent would go on to its owner.
    if ((::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return false;
}

bool MessageWaiting() {
  MSG message;
  return ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
}

}  // namespace

void DispatchLoopMessage(const MSG& message) {
  if (PreTranslate(message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
}

void RunMessageLoop() {
  ShellState& shell = Shell();
  shell.loop_entered = true;
  if (!AnyWindowAlive()) return;

  IdleRestartFilter restart_filter;
  bool idle_wanted = true;
  std::int32_t idle_count = 0;
  for (;;) {
    while (idle_wanted && !MessageWaiting()) {
      idle_wanted = RunIdleStep(idle_count);
      ++idle_count;
    }
    do {
      MSG message;
      const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
      if (got == 0) {
        shell.quit_code = static_cast<std::int32_t>(message.wParam);
        return;
      }
      if (got == -1) return;  // the thread's queue is gone: nothing more can arrive
      DispatchLoopMessage(message);
      if (restart_filter.Restarts(message.message, message.pt.x, message.pt.y)) {
        idle_wanted = true;
        idle_count = 0;
      }
    } while (MessageWaiting());
  }
}
