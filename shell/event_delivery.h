// Event delivery: from a control's event to the program routine bound to it,
// synchronously, on the user-interface thread.
#pragma once

#include <cstdint>

#include "event_handler.h"

// What a control hands to RaiseEvent, field by field.
struct EventNotice {
  std::uint32_t window = 0;         // the window that holds the raising control
  std::uint32_t control = 0;        // the raising control; 0 = the window itself
  std::int32_t event = 0;           // >= 0 the type's own events, < 0 common events
  std::int32_t argument_count = 0;  // 0 to 5
  std::int32_t arguments[5] = {};
  std::int32_t result_given = 0;  // set to 1 when the handler returned a value
  std::int32_t result = 0;        // the handler's value when result_given is 1
};

inline constexpr std::int32_t kMaxEventArguments = 5;

// The routine bound to event of control in window, or null when events are
// suppressed (checked before anything else) or nothing is bound. A window or
// control that the registry does not know, or a control of a type that raises
// no events, ends the program.
EventHandler FindEventHandler(std::uint32_t window, std::uint32_t control, std::int32_t event);

// Calls the bound routine with the notice's arguments and records its value.
// True when a handler ran; false (the notice unchanged) otherwise.
bool RaiseEvent(EventNotice& notice);

// Raise and lower the event suppression count, each after processing the
// messages already waiting, so that those still reach their handlers.
void SuppressEvents();
void ResumeEvents();

// A notice of event with no arguments.
EventNotice MakeEventNotice(std::uint32_t window, std::uint32_t control, std::int32_t event);
