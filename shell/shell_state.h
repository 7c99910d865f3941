// The shell's one state object: everything the shell keeps for the life of
// the process lives here, not in scattered globals.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "heap.h"
#include "shell_platform.h"
#include "window_description.h"

using ExitRoutine = void (*)();

struct ShellState {
  // The services the portable logic calls; tests put a stand-in here.
  ShellPlatform* platform = &SystemPlatform();

  Heap heap = ProcessHeap();  // every text value comes from it

  // The executable's full path, split at its last backslash.
  std::string program_directory;
  std::string program_file_name;

  // OLE is uninitialised only while this is set, and it is cleared then.
  bool ole_initialised = false;

  // The invisible tool window that owns task-bar-less windows and receives
  // exit requests from other threads; null when there is none.
  void* hidden_owner_window = nullptr;

  // The thread that ran the start-up; only it may shut the shell down.
  bool ui_thread_recorded = false;
  std::uint32_t ui_thread_id = 0;

  // The program's windows, read at start-up: the window registry. Each
  // record's object slot holds its control's object while it exists.
  std::vector<WindowDescription> windows;

  // The program's constant area; pointers into it are never freed or resized.
  const unsigned char* constants_begin = nullptr;
  std::size_t constants_size = 0;

  // While above 0 no event reaches a handler.
  std::int32_t event_suppression = 0;

  // Set once the message loop has started; never cleared. Only then does the
  // destruction of the last window end the loop.
  bool loop_entered = false;
  // The code of the quit message that ended the loop: the process exit code.
  std::int32_t quit_code = 0;

  // The idle phase: when it began and which windows have finished idling.
  std::uint32_t idle_start = 0;
  std::vector<std::uint32_t> idle_finished_windows;

  // Run in registration order by the shut-down; dropped by a fatal error.
  std::vector<ExitRoutine> exit_routines;
  // Set by a shut-down on the user-interface thread.
  bool cleanup_started = false;

  // Device contexts and system objects currently held through the scoped
  // wrappers; 0 whenever nothing is being painted and no window exists.
  std::int32_t live_system_objects = 0;
};

// The process's one shell state. The process's normal exit, which destroys
// it, shuts the shell down once more first; after a completed shut-down that
// changes nothing.
ShellState& Shell();
