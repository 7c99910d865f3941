#include "win32_hidden_owner.h"

#include <windows.h>

#include "shutdown.h"
#include "win32_message_loop.h"

namespace {

constexpr char kClassName[] = "TalvenorHiddenOwner";

LRESULT CALLBACK HiddenOwnerProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == kExitRequestMessage) ExitProgram(static_cast<std::int32_t>(w));
  return ::DefWindowProcA(window, message, w, l);
}

}  // namespace

void* CreateHiddenOwnerWindow() {
  const HINSTANCE module = ::GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (::GetClassInfoA(module, kClassName, &existing) == FALSE) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = &HiddenOwnerProcedure;
    window_class.hInstance = module;
    window_class.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    window_class.lpszClassName = kClassName;
    ::RegisterClassA(&window_class);
  }
  // Style 0 and never shown: it stays invisible and has no task bar button.
  return ::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr, module, nullptr);
}
