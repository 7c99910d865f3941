// Waiting for an effect of another process: poll a condition until it holds
// or a deadline passes, instead of sleeping a fixed time.
#pragma once

#include <windows.h>

namespace gui {

// Default patience for effects of input and messages (typically 10-50 ms under Wine).
inline constexpr DWORD kEffectTimeoutMs = 5000;

template <class Condition>
bool WaitUntil(Condition condition, DWORD timeout_ms = kEffectTimeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(5);
  }
}

}  // namespace gui
