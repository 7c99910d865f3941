// Native stand-ins for the platform services, so that the shell's portable
// logic runs in host-side builds: there is no message queue, no hidden owner
// window and no OLE on the host.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

#include "shell_platform.h"

namespace {

class NativePlatform final : public ShellPlatform {
 public:
  std::uint32_t CurrentThreadId() override {
    return static_cast<std::uint32_t>(std::hash<std::thread::id>{}(std::this_thread::get_id()));
  }
  void ForwardExitRequest(void*, std::int32_t) override {}
  void DestroyOwnerWindow(void*) override {}
  void UninitializeOle() override {}
  [[noreturn]] void EndProcess(std::int32_t exit_code) override {
    std::fflush(nullptr);
    std::_Exit(exit_code);
  }
  void DrainMessageQueue() override {}
  std::uint32_t TickCount() override {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  }
  void IdleWork() override {}
};

}  // namespace

ShellPlatform& SystemPlatform() {
  static NativePlatform platform;
  return platform;
}
