// The one abnormal way out: a message box, then the end of the process with
// exit code -1. Nothing returns an error to its caller.
#pragma once

#include <cstdint>
#include <string>

// Raises the event suppression count for good, shows the error box, drops the
// exit routines unrun and ends the process with exit code -1. text may be null.
[[noreturn]] void RaiseFatalError(const char* text, std::int32_t number);

// RaiseFatalError with "分配 %d 字节内存失败!" for a refused heap request.
[[noreturn]] void ReportAllocationFailure(std::int32_t byte_count);

// The error box's text: "运行时出错!", two line breaks, then the
// "错误代码：" line for a nonzero number and the "错误信息：" line for a
// non-empty text. Line breaks are CR LF pairs.
std::string FatalErrorBoxText(const char* text, std::int32_t number);

// Supplied by the platform layer.
// Shows the box (caption "错误", one OK button, the error icon, no owner) and
// waits until it is closed.
void ShowFatalErrorBox(const char* box_text);
// "分配 %d 字节内存失败!" with byte_count in place of %d, into buffer.
void FormatAllocationFailure(char (&buffer)[100], std::int32_t byte_count);

// Shuts the shell down with exit_code and ends the process with it
// (shutdown.h).
[[noreturn]] void ExitProgram(std::int32_t exit_code);
