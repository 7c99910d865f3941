#include "event_delivery.h"

#include <algorithm>

#include "fatal_error.h"
#include "gbk_text.h"
#include "shell_state.h"
#include "window_registry.h"

namespace {

bool RaisesEvents(std::uint32_t type) {
  return type == control_type::kWindow || type == control_type::kEditBox || type == control_type::kLabel ||
         type == control_type::kButton;
}

// The record whose bindings apply: a record with a binding link uses the
// bindings of the linked record of the same type.
const DescriptionRecord& BindingSource(WindowDescription& description, const DescriptionRecord& record) {
  if (record.binding_link == 0) return record;
  const DescriptionRecord* linked = FindRecord(description, record.binding_link);
  if (linked == nullptr || linked->control_type != record.control_type) return record;
  return *linked;
}

}  // namespace

EventHandler FindEventHandler(std::uint32_t window, std::uint32_t control, std::int32_t event) {
  if (Shell().event_suppression > 0) return nullptr;
  WindowDescription* description = FindWindowDescription(window);
  if (description == nullptr) RaiseFatalError(gbk::kEventWindowNotFound, 0);
  const DescriptionRecord* record = FindRecord(*description, control);
  if (record == nullptr) RaiseFatalError(gbk::kEventControlNotFound, 0);
  if (!RaisesEvents(record->control_type)) RaiseFatalError(gbk::kEventControlInvalid, 0);
  for (const EventBinding& binding : BindingSource(*description, *record).event_bindings) {
    if (binding.event == event) return binding.handler;
  }
  return nullptr;
}

bool RaiseEvent(EventNotice& notice) {
  const EventHandler handler = FindEventHandler(notice.window, notice.control, notice.event);
  if (handler == nullptr) return false;
  const std::int32_t count = std::clamp(notice.argument_count, 0, kMaxEventArguments);
  const HandlerResult outcome = handler(notice.arguments, count);
  if (outcome.has_value) {
    notice.result_given = 1;
    notice.result = outcome.value;
  }
  return true;
}

void SuppressEvents() {
  ShellState& shell = Shell();
  shell.platform->DrainMessageQueue();
  ++shell.event_suppression;
}

void ResumeEvents() {
  ShellState& shell = Shell();
  shell.platform->DrainMessageQueue();
  if (shell.event_suppression > 0) --shell.event_suppression;
}

EventNotice MakeEventNotice(std::uint32_t window, std::uint32_t control, std::int32_t event) {
  EventNotice notice;
  notice.window = window;
  notice.control = control;
  notice.event = event;
  return notice;
}
