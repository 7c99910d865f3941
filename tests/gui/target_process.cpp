#include "target_process.h"

#include <cstdlib>

#include "poll.h"

namespace gui {

std::string ToWindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:" + path;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ExePathFromEnvironment(const char* variable) {
  char buffer[MAX_PATH * 2];
  const DWORD length = GetEnvironmentVariableA(variable, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return std::string();
  return ToWindowsPath(buffer);
}

std::string TargetExePath() { return ExePathFromEnvironment("TALVENOR_GUI_TARGET"); }

namespace {

std::string MakeLaunchDirectory() {
  char temp[MAX_PATH];
  if (!GetTempPathA(sizeof temp, temp)) return std::string();
  char name[MAX_PATH];
  if (!GetTempFileNameA(temp, "tlv", 0, name)) return std::string();
  // GetTempFileName created a file of that name: make it a directory instead.
  DeleteFileA(name);
  if (!CreateDirectoryA(name, nullptr)) return std::string();
  return name;
}

struct WindowSearch {
  DWORD process_id;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner_process = 0;
  GetWindowThreadProcessId(window, &owner_process);
  if (owner_process == search->process_id) search->windows.push_back(window);
  return TRUE;
}

}  // namespace

TargetProcess::TargetProcess(const std::string& exe) : launch_directory_(MakeLaunchDirectory()) {
  if (exe.empty() || launch_directory_.empty()) return;
  std::string command_line = "\"" + exe + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  // The program starts with the system's default error mode, not the driver's.
  if (!CreateProcessA(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr,
                      launch_directory_.c_str(), &startup, &info)) {
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  process_id_ = info.dwProcessId;
}

TargetProcess::~TargetProcess() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 0xDEAD);
      WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
  }
  if (!launch_directory_.empty()) {
    // The fatal-error test programs may leave a trace file behind.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((launch_directory_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
          DeleteFileA((launch_directory_ + "\\" + found.cFileName).c_str());
        }
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(launch_directory_.c_str());
  }
}

std::vector<HWND> TargetProcess::TopLevelWindows() const {
  WindowSearch search{process_id_, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

HWND TargetProcess::WaitForVisibleWindow(DWORD timeout_ms) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows()) {
          if (IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
            found = window;
            return true;
          }
        }
        return WaitForSingleObject(process_, 0) != WAIT_TIMEOUT;  // ended: stop waiting
      },
      timeout_ms);
  return found;
}

std::optional<DWORD> TargetProcess::WaitForExit(DWORD timeout_ms) const {
  if (!process_ || WaitForSingleObject(process_, timeout_ms) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

}  // namespace gui
