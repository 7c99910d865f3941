// Process state that another process can read only indirectly: the current
// directory (from the process's parameter block), the error mode (asked by a
// thread started in the process) and, under Wine, the processor time (from
// the Unix process behind it).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace gui {

// The process's current directory as recorded in its parameter block
// (Windows keeps it with a trailing backslash); nothing when it cannot be read.
std::optional<std::wstring> CurrentDirectoryOf(HANDLE process);

// The process's error mode, from GetErrorMode run on a thread inside it.
std::optional<UINT> ErrorModeOf(HANDLE process);

// Under Wine: user plus system time, in clock ticks, of the one Unix process
// that runs `exe` in this Wine prefix; nothing when there is not exactly one.
std::optional<unsigned long long> UnixProcessorTicks(const std::string& exe);

// Under Wine: the resident set (VmRSS) in KB of that same Unix process.
std::optional<unsigned long long> UnixResidentKb(const std::string& exe);

}  // namespace gui
