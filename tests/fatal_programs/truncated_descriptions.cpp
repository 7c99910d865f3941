// The stored window descriptions end ten bytes early: start-up cannot read
// them and stops with "载入窗口模板数据段出错!".
#include "fatal_program.h"
#include "main_window_units.h"

const ProgramData& TheProgram() {
  static const ProgramData program = [] {
    const std::span<const unsigned char> whole = fatal_program::MainStoredForm();
    return fatal_program::WithData(whole.first(whole.size() - 10), kMainWindowNumber, nullptr);
  }();
  return program;
}
