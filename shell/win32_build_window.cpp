// Building a window from its description: the window, then its controls,
// stacked, shown, with the events of the building held back.
#include <windows.h>

#include <vector>

#include "build_plan.h"
#include "control_styles.h"
#include "event_delivery.h"
#include "win32_form_window.h"
#include "window_registry.h"

namespace {

constexpr std::int32_t kGotFocusEvent = -7;

// Balances SuppressEvents on every way out of the build.
class EventSuppression {
 public:
  EventSuppression() { SuppressEvents(); }
  ~EventSuppression() { End(); }
  EventSuppression(const EventSuppression&) = delete;
  EventSuppression& operator=(const EventSuppression&) = delete;
  void End() {
    if (active_) {
      active_ = false;
      ResumeEvents();
    }
  }

 private:
  bool active_ = true;
};

Win32Control* CreateControl(const CreationParameters& parameters) {
  switch (parameters.record->control_type) {
    case control_type::kEditBox:
      return CreateEditBox(parameters);
    case control_type::kLabel:
      return CreateLabel(parameters);
    case control_type::kButton:
      return CreateButton(parameters);
    default:  // no creator: the window cannot be built
      return nullptr;
  }
}

HWND HandleOf(const DescriptionRecord& record) {
  const auto* control = dynamic_cast<const Win32Control*>(record.object);
  return control != nullptr ? control->Handle() : nullptr;
}

// The record (of description) whose object's window is window, or null.
const DescriptionRecord* RecordOfHandle(const WindowDescription& description, HWND window) {
  for (const DescriptionRecord& record : description.records) {
    if (window != nullptr && HandleOf(record) == window) return &record;
  }
  return nullptr;
}

void ShowByStartPosition(HWND window, std::int32_t start_position) {
  switch (start_position) {
    case 2:
      ::ShowWindow(window, SW_SHOWMINIMIZED);
      break;
    case 3: {
      if (::IsIconic(window) != FALSE || ::IsZoomed(window) != FALSE) ::ShowWindow(window, SW_RESTORE);
      ::ShowWindow(window, SW_SHOWMAXIMIZED);
      MONITORINFO monitor{};
      monitor.cbSize = sizeof monitor;
      RECT work{};
      if (::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) != FALSE) {
        work = monitor.rcWork;
      } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
      }
      ::SetWindowPos(window, nullptr, work.left, work.top, work.right - work.left, work.bottom - work.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      ::ShowWindow(window, SW_SHOW);
      break;
    }
    default:  // 0 and 1: shown and activated, which places the focus
      ::ShowWindow(window, SW_SHOW);
      break;
  }
}

// Destroys what a failed build created; nothing of it has been shown.
void Abandon(const FormWindow* form) {
  if (form != nullptr && form->IsLive()) ::DestroyWindow(form->Handle());
}

}  // namespace

bool BuildWindow(WindowDescription& description, bool /*modal: the program builds no modal window*/, HWND owner) {
  if (description.records.empty()) return false;
  const std::uint32_t window_number = description.window_number;
  EventSuppression suppression;

  DescriptionRecord& window_record = description.records.front();
  CreationParameters window_parameters{&window_record, RecordFlagStyles(window_record.flags, true), owner, 0,
                                       window_number};
  FormWindow* form =
      window_record.control_type == control_type::kWindow ? CreateFormWindow(window_parameters) : nullptr;
  if (form == nullptr) return false;
  window_record.object = form;

  const std::vector<ControlCreation> order = ControlCreationOrder(description.records.size());
  for (const ControlCreation& creation : order) {
    DescriptionRecord& record = description.records[creation.record];
    CreationParameters parameters{&record, RecordFlagStyles(record.flags, false), form->Handle(), creation.control_id,
                                  window_number};
    Win32Control* control = CreateControl(parameters);
    if (control == nullptr) {
      Abandon(form);
      return false;
    }
    record.object = dynamic_cast<ControlObject*>(control);
  }

  std::vector<std::uint32_t> parents;
  parents.reserve(description.records.size());
  for (const DescriptionRecord& record : description.records) parents.push_back(record.parent);

  for (const ControlCreation& creation : order) {
    const DescriptionRecord& record = description.records[creation.record];
    const DescriptionRecord* parent = record.parent == 0 ? nullptr : FindRecord(description, record.parent);
    const HWND parent_window = parent != nullptr && HandleOf(*parent) != nullptr ? HandleOf(*parent) : form->Handle();
    ::SetParent(HandleOf(record), parent_window);
  }

  for (const StackStep& step : StackingPlan(parents)) {
    const HWND after = step.below == kStackOnTop ? HWND_TOP : HandleOf(description.records[step.below]);
    ::SetWindowPos(HandleOf(description.records[step.record]), after, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  // Mouse pointers: every record here selects the class's pointer (selector
  // 0); the standard pointers behind other selectors are not provided.

  for (const ControlCreation& creation : order) {
    const DescriptionRecord& record = description.records[creation.record];
    ::ShowWindow(HandleOf(record), record.IsVisible() ? SW_SHOWNA : SW_HIDE);
  }

  suppression.End();
  // A handler may close the window: from here on it is reached through its
  // record's slot, which its destruction empties.
  const HWND window = form->Handle();
  for (const std::int32_t event : {0, 3, 4}) {
    if (!IsLive(window_record)) return true;
    RaiseControlEvent(window_number, 0, event);
  }
  if (!IsLive(window_record)) return true;

  if (window_record.IsVisible()) {
    PropertyReadResult<WindowProperties> read = ReadWindowProperties(window_record.property_block);
    ShowByStartPosition(window, read.properties.start_position);
    if (const DescriptionRecord* focused = RecordOfHandle(description, ::GetFocus())) {
      const std::uint32_t control = focused == &window_record ? 0 : focused->unit_number;
      RaiseControlEvent(window_number, control, kGotFocusEvent);
    }
  }
  // The control types here need no further loading once shown, so nothing
  // can move the focus before the build ends.
  return true;
}
