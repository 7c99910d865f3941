// The platform services behind the shell's portable logic, on Windows.
#include <windows.h>
// windows.h first: ole2.h relies on its definitions.
#include <ole2.h>

#include "shell_platform.h"
#include "win32_message_loop.h"

namespace {

class Win32Platform final : public ShellPlatform {
 public:
  std::uint32_t CurrentThreadId() override { return ::GetCurrentThreadId(); }

  void ForwardExitRequest(void* owner_window, std::int32_t exit_code) override {
    ::SendMessageA(static_cast<HWND>(owner_window), kExitRequestMessage, static_cast<WPARAM>(exit_code), 0);
  }

  void DestroyOwnerWindow(void* owner_window) override {
    const auto window = static_cast<HWND>(owner_window);
    if (::IsWindow(window)) ::DestroyWindow(window);
  }

  void UninitializeOle() override { ::OleUninitialize(); }

  [[noreturn]] void EndProcess(std::int32_t exit_code) override { ::ExitProcess(static_cast<UINT>(exit_code)); }

  void DrainMessageQueue() override {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      if (message.message == WM_QUIT) break;  // stays queued for the loop
      if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) break;
      if (message.message == WM_QUIT) {
        // A quit posted between the two looks: put it back for the loop.
        ::PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      DispatchLoopMessage(message);
    }
  }

  std::uint32_t TickCount() override { return ::GetTickCount(); }

  // The shell keeps no temporary system objects between messages, so there
  // is nothing to release here.
  void IdleWork() override {}
};

}  // namespace

ShellPlatform& SystemPlatform() {
  static Win32Platform platform;
  return platform;
}
