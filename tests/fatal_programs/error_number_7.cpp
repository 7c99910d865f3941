// A fatal error with a nonzero number: the box carries the "错误代码：7" line
// before the error text.
#include "fatal_error.h"
#include "fatal_program.h"
#include "gbk_text.h"
#include "main_window_units.h"

namespace {
void FailWithNumber() { RaiseFatalError(gbk::kStartWindowFailed, 7); }
}  // namespace

const ProgramData& TheProgram() {
  static const ProgramData program =
      fatal_program::WithData(fatal_program::MainStoredForm(), kMainWindowNumber, &FailWithNumber);
  return program;
}
