// The program as the shell sees it: its stored window descriptions, its
// handler routines, its constant area and its start window.
#include "program.h"

#include "main_window_description.h"
#include "main_window_units.h"
#include "on_estimate_click.h"
#include "program_constants.h"
#include "program_data.h"

namespace {

HandlerResult EstimateClick(const std::int32_t*, std::int32_t) {
  OnEstimateClick();
  return {};
}

constexpr HandlerEntry kHandlers[] = {
    {kEstimateClickHandlerOffset, EstimateClick},
};

}  // namespace

void ProgramInit() {}
void ProgramCleanup() {}

std::span<const HandlerEntry> ProgramHandlers() { return kHandlers; }

const ProgramData& TheProgram() {
  static const ProgramData program{
      MainWindowStoredForm(),   ProgramHandlers(), program_constants::Area().data(),
      program_constants::kSize, kMainWindowNumber, ProgramInit,
      ProgramCleanup,
  };
  return program;
}
