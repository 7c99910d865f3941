// The portable steps of the shell's start-up: the program's data installed
// into the shell state.
#pragma once

#include <string_view>

#include "program_data.h"
#include "shell_state.h"

struct ProgramPath {
  std::string_view directory;  // up to, not including, the last backslash
  std::string_view file_name;  // after the last backslash
};

// Splits the executable's full path (code page 936 bytes) at its last
// backslash; without one the directory is empty and the whole path is the
// file name. The second byte of a double-byte character is never a backslash.
ProgramPath SplitProgramPath(std::string_view path);

// Records the constant area, reads the window descriptions, binds their
// handlers and installs them as the window registry. Unreadable data, or a
// handler offset that names no routine, ends the program with
// "载入窗口模板数据段出错!".
void InstallProgramData(ShellState& shell, const ProgramData& program);
