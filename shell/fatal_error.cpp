#include "fatal_error.h"

#include "gbk_text.h"
#include "shell_state.h"

std::string FatalErrorBoxText(const char* text, std::int32_t number) {
  std::string box = gbk::kRuntimeError;
  box += "\r\n\r\n";
  if (number != 0) {
    box += gbk::kErrorCode;
    box += std::to_string(number);
    box += "\r\n\r\n";
  }
  if (text != nullptr && *text != '\0') {
    box += gbk::kErrorMessage;
    box += text;
    box += "\r\n";
  }
  return box;
}

void RaiseFatalError(const char* text, std::int32_t number) {
  ShellState& shell = Shell();
  ++shell.event_suppression;  // never lowered again: no handler runs from here on
  const std::string box = FatalErrorBoxText(text, number);
  ShowFatalErrorBox(box.c_str());
  shell.exit_routines.clear();
  ExitProgram(-1);
}

void ReportAllocationFailure(std::int32_t byte_count) {
  char message[100];
  FormatAllocationFailure(message, byte_count);
  RaiseFatalError(message, 0);
}
