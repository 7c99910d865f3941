#include "idle_step.h"

#include <algorithm>

#include "event_delivery.h"
#include "shell_state.h"
#include "window_registry.h"

bool RunIdleStep(std::int32_t k) {
  ShellState& shell = Shell();
  if (k == 0) {
    shell.idle_start = shell.platform->TickCount();
    shell.idle_finished_windows.clear();
  }
  if (k <= 1) {
    shell.platform->IdleWork();
    return true;
  }

  bool any_stayed = false;
  // By index and number: a handler may do anything, even load windows.
  for (std::size_t i = 0; i < shell.windows.size(); ++i) {
    const std::uint32_t number = shell.windows[i].window_number;
    if (shell.windows[i].records.empty() || !IsLive(shell.windows[i].records.front())) continue;
    std::vector<std::uint32_t>& finished = shell.idle_finished_windows;
    if (std::find(finished.begin(), finished.end(), number) != finished.end()) continue;

    EventNotice notice = MakeEventNotice(number, 0, kIdleEvent);
    notice.argument_count = 1;
    // Milliseconds as the handler's 32-bit argument; the tick count wraps.
    notice.arguments[0] = static_cast<std::int32_t>(shell.platform->TickCount() - shell.idle_start);
    const bool ran = RaiseEvent(notice);
    if (ran && notice.result_given != 0 && notice.result != 0) {
      any_stayed = true;
    } else {
      shell.idle_finished_windows.push_back(number);
    }
  }
  return any_stayed;
}
