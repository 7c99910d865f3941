#include "process_probe.h"

#include <psapi.h>
#include <winternl.h>

#include <cctype>
#include <cstdlib>
#include <vector>

namespace gui {

namespace {

// Where the parameter block and its current directory string lie; the
// layout is fixed by the platform for each pointer size.
constexpr std::size_t kPebParametersOffset = sizeof(void*) == 8 ? 0x20 : 0x10;
constexpr std::size_t kParametersCurrentDirectoryOffset = sizeof(void*) == 8 ? 0x38 : 0x24;

struct RemoteUnicodeString {
  USHORT length;
  USHORT maximum_length;
  PWSTR buffer;  // aligned to the pointer size, as in the platform's UNICODE_STRING
};

template <class T>
bool ReadRemote(HANDLE process, const void* address, T* value) {
  SIZE_T read = 0;
  return ReadProcessMemory(process, address, value, sizeof *value, &read) && read == sizeof *value;
}

// The same module's base address in another process, found by file name.
HMODULE RemoteModule(HANDLE process, HMODULE local) {
  char wanted[MAX_PATH];
  if (!GetModuleBaseNameA(GetCurrentProcess(), local, wanted, sizeof wanted)) return nullptr;
  HMODULE modules[512];
  DWORD needed = 0;
  if (!EnumProcessModules(process, modules, sizeof modules, &needed)) return nullptr;
  for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 512; ++i) {
    char name[MAX_PATH];
    if (GetModuleBaseNameA(process, modules[i], name, sizeof name) && lstrcmpiA(name, wanted) == 0) return modules[i];
  }
  return nullptr;
}

std::string ReadWholeFile(const std::string& path) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string content;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) content.append(chunk, got);
  CloseHandle(file);
  return content;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

std::optional<std::wstring> CurrentDirectoryOf(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic = {};
  ULONG length = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) {
    return std::nullopt;
  }
  const char* parameters = nullptr;
  RemoteUnicodeString directory = {};
  if (!ReadRemote(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebParametersOffset, &parameters) ||
      !ReadRemote(process, parameters + kParametersCurrentDirectoryOffset, &directory)) {
    return std::nullopt;
  }
  std::wstring text(directory.length / sizeof(wchar_t), L'\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, directory.buffer, text.data(), directory.length, &read) || read != directory.length) {
    return std::nullopt;
  }
  return text;
}

std::optional<UINT> ErrorModeOf(HANDLE process) {
  // GetErrorMode takes no argument and returns its answer as the thread's exit code.
  const FARPROC local = GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetErrorMode");
  HMODULE local_module = nullptr;
  if (!local ||
      !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCSTR>(local), &local_module)) {
    return std::nullopt;
  }
  HMODULE remote_module = RemoteModule(process, local_module);
  if (!remote_module) return std::nullopt;
  const auto offset = reinterpret_cast<const char*>(local) - reinterpret_cast<const char*>(local_module);
  auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<UINT_PTR>(reinterpret_cast<const char*>(remote_module) + offset));
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, start, nullptr, 0, nullptr);
  if (!thread) return std::nullopt;
  DWORD mode = 0;
  const bool done = WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0 && GetExitCodeThread(thread, &mode);
  CloseHandle(thread);
  if (!done) return std::nullopt;
  return static_cast<UINT>(mode);
}

namespace {

// The /proc directory (as a Z: path) of the one Unix process that runs `exe`
// in this Wine prefix; nothing when there is not exactly one.
std::optional<std::string> UnixProcessDirectory(const std::string& exe) {
  const std::string exe_name = Lower(exe.substr(exe.find_last_of("\\/") + 1));
  char prefix[MAX_PATH] = "";
  GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
  const std::string prefix_entry = std::string("WINEPREFIX=") + prefix + '\0';
  std::vector<std::string> matches;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  do {
    if (!std::isdigit(static_cast<unsigned char>(found.cFileName[0]))) continue;
    const std::string dir = std::string("Z:\\proc\\") + found.cFileName;
    // The program itself, not a process that merely names it among its arguments.
    std::string program = Lower(ReadWholeFile(dir + "\\cmdline"));
    program = program.substr(0, program.find('\0'));
    program = program.substr(program.find_last_of("\\/") + 1);
    if (program != exe_name) continue;
    if (ReadWholeFile(dir + "\\environ").find(prefix_entry) == std::string::npos) continue;
    matches.push_back(dir);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  if (matches.size() != 1) return std::nullopt;
  return matches[0];
}

}  // namespace

std::optional<unsigned long long> UnixResidentKb(const std::string& exe) {
  const std::optional<std::string> dir = UnixProcessDirectory(exe);
  if (!dir) return std::nullopt;
  const std::string status = ReadWholeFile(*dir + "\\status");
  const std::size_t line = status.find("VmRSS:");
  if (line == std::string::npos) return std::nullopt;
  char* end = nullptr;
  const unsigned long long kb = std::strtoull(status.c_str() + line + 6, &end, 10);
  if (end == status.c_str() + line + 6) return std::nullopt;
  return kb;
}

std::optional<unsigned long long> UnixProcessorTicks(const std::string& exe) {
  const std::optional<std::string> dir = UnixProcessDirectory(exe);
  if (!dir) return std::nullopt;
  // Fields 14 and 15 (utime, stime) follow the command name, which ends at the last ')'.
  const std::string stat = ReadWholeFile(*dir + "\\stat");
  const std::size_t close = stat.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  const char* p = stat.c_str() + close + 1;
  unsigned long long fields[12] = {};
  char* end = nullptr;
  // Skip state (field 3), then read fields 4 to 15.
  while (*p == ' ') ++p;
  ++p;
  for (unsigned long long& field : fields) {
    field = std::strtoull(p, &end, 10);
    if (end == p) return std::nullopt;
    p = end;
  }
  return fields[10] + fields[11];
}

}  // namespace gui
