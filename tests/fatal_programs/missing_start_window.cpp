// The start window's number names no description: loading it stops with
// "载入启动窗口失败".
#include "fatal_program.h"
#include "main_window_units.h"

const ProgramData& TheProgram() {
  static const ProgramData program =
      fatal_program::WithData(fatal_program::MainStoredForm(), kMainWindowNumber + 1, nullptr);
  return program;
}
