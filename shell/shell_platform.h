// The few platform services that the shell's portable logic (shut-down, event
// suppression, idle steps) needs. The Windows build supplies the real ones;
// tests put a recording stand-in into the shell state.
#pragma once

#include <cstdint>

class ShellPlatform {
 public:
  virtual ~ShellPlatform() = default;

  virtual std::uint32_t CurrentThreadId() = 0;
  // Sends the hidden owner window the exit request with exit_code and waits
  // until the user-interface thread has handled it.
  virtual void ForwardExitRequest(void* owner_window, std::int32_t exit_code) = 0;
  // Destroys the hidden owner window if it still exists.
  virtual void DestroyOwnerWindow(void* owner_window) = 0;
  virtual void UninitializeOle() = 0;
  [[noreturn]] virtual void EndProcess(std::int32_t exit_code) = 0;

  // Processes every pending message of this thread; a quit message stops the
  // draining and stays queued.
  virtual void DrainMessageQueue() = 0;

  virtual std::uint32_t TickCount() = 0;
  // The platform's own idle work (releasing temporary objects and the like).
  virtual void IdleWork() = 0;
};

// The platform this build runs on.
ShellPlatform& SystemPlatform();
