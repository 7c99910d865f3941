// A fatal error with number 0 and an empty text: the box text is the heading
// and two line breaks only.
#include "fatal_error.h"
#include "fatal_program.h"
#include "main_window_units.h"

namespace {
void FailWithoutText() { RaiseFatalError("", 0); }
}  // namespace

const ProgramData& TheProgram() {
  static const ProgramData program =
      fatal_program::WithData(fatal_program::MainStoredForm(), kMainWindowNumber, &FailWithoutText);
  return program;
}
