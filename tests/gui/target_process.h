// A program under test, started from outside as a user would start it, from
// a current directory of its own (a fresh temporary directory), and ended
// when the test is done with it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace gui {

// The program a test drives, named by the environment variable
// TALVENOR_GUI_TARGET (a Windows path, or a Unix path that Wine maps to Z:).
std::string TargetExePath();
// Another program named by the environment variable `variable`, likewise.
std::string ExePathFromEnvironment(const char* variable);

// "Z:\a\b" for "/a/b"; Windows paths are returned unchanged.
std::string ToWindowsPath(const std::string& path);

// Everything up to, not including, the last backslash.
std::string DirectoryOf(const std::string& path);

class TargetProcess {
 public:
  // Starts `exe` with a fresh temporary directory as its current directory.
  explicit TargetProcess(const std::string& exe);
  ~TargetProcess();
  TargetProcess(const TargetProcess&) = delete;
  TargetProcess& operator=(const TargetProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  HANDLE handle() const { return process_; }
  DWORD id() const { return process_id_; }
  const std::string& launch_directory() const { return launch_directory_; }

  // The first visible, unowned top-level window of the process (its main
  // window, or a message box without owner) once one shows; null after the timeout.
  HWND WaitForVisibleWindow(DWORD timeout_ms = 20000) const;
  // The exit code once the process has ended; nothing when it still runs after the timeout.
  std::optional<DWORD> WaitForExit(DWORD timeout_ms = 10000) const;
  // All top-level windows of the process, visible or not.
  std::vector<HWND> TopLevelWindows() const;

 private:
  HANDLE process_ = nullptr;
  DWORD process_id_ = 0;
  std::string launch_directory_;
};

}  // namespace gui
