#include "fatal_program.h"

#include <array>
#include <cstdio>

#include "main_window_description.h"

namespace fatal_program {
namespace {

HandlerResult DoNothing(const std::int32_t* /*arguments*/, std::int32_t /*count*/) { return {}; }

constexpr std::array<HandlerEntry, 1> kHandlers = {{{kEstimateClickHandlerOffset, &DoNothing}}};

void LeaveMarker() {
  if (std::FILE* marker = std::fopen(kCleanUpMarker, "w")) std::fclose(marker);
}

}  // namespace

ProgramData WithData(std::span<const unsigned char> descriptions, std::uint32_t start_window, void (*init)()) {
  ProgramData program;
  program.descriptions = descriptions;
  program.handlers = kHandlers;
  program.start_window = start_window;
  program.init = init;
  program.cleanup = &LeaveMarker;
  return program;
}

std::span<const unsigned char> MainStoredForm() { return MainWindowStoredForm(); }

}  // namespace fatal_program
