#include "win32_program_start.h"

#include <windows.h>
// windows.h first: ole2.h relies on its definitions.
#include <ole2.h>

#include <string>

#include "fatal_error.h"
#include "floating_point.h"
#include "gbk_text.h"
#include "program_data.h"
#include "program_setup.h"
#include "shutdown.h"
#include "win32_form_window.h"
#include "win32_hidden_owner.h"
#include "win32_message_loop.h"
#include "window_registry.h"

namespace {

// GetModuleFileNameA's buffer: the classic path limit.
constexpr DWORD kPathBufferSize = 260;

void EnterProgramDirectory(ShellState& shell) {
  char path[kPathBufferSize] = {};
  ::GetModuleFileNameA(nullptr, path, kPathBufferSize);
  path[kPathBufferSize - 1] = '\0';  // older systems leave a cut path unterminated
  const ProgramPath split = SplitProgramPath(path);
  shell.program_directory.assign(split.directory);
  shell.program_file_name.assign(split.file_name);
  // "C:" alone names the drive's current directory, not its root.
  std::string directory = shell.program_directory;
  if (directory.size() == 2 && directory[1] == ':') directory += '\\';
  ::SetCurrentDirectoryA(directory.c_str());
}

}  // namespace

void InitShell() {
  ShellState& shell = Shell();
  shell.heap = ProcessHeap();
  if (!shell.ole_initialised) {
    ::OleInitialize(nullptr);  // a failure leaves the program without OLE, which it does not use
    shell.ole_initialised = true;
  }
  EnterProgramDirectory(shell);
  shell.hidden_owner_window = CreateHiddenOwnerWindow();
  shell.ui_thread_id = ::GetCurrentThreadId();
  shell.ui_thread_recorded = true;
  InstallProgramData(shell, TheProgram());
}

void LoadStartWindow(std::uint32_t window) {
  WindowDescription* description = FindWindowDescription(window);
  if (description == nullptr) RaiseFatalError(gbk::kStartWindowFailed, 0);
  if (!BuildWindow(*description, false, nullptr)) RaiseFatalError(gbk::kStartWindowFailed, 0);
}

std::int32_t ProgramStart() {
  InitShell();
  ResetFloatingPoint();
  const ProgramData& program = TheProgram();
  if (program.init != nullptr) program.init();
  if (program.cleanup != nullptr) RegisterExitRoutine(program.cleanup);
  LoadStartWindow(program.start_window);
  RunMessageLoop();
  return 0;
}
