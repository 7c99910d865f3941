#include "window_registry.h"

#include "shell_state.h"

WindowDescription* FindWindowDescription(std::uint32_t window) {
  for (WindowDescription& description : Shell().windows) {
    if (description.window_number == window) return &description;
  }
  return nullptr;
}

DescriptionRecord* FindRecord(WindowDescription& description, std::uint32_t control) {
  if (description.records.empty()) return nullptr;
  if (control == 0) return &description.records.front();
  for (DescriptionRecord& record : description.records) {
    if (record.unit_number == control) return &record;
  }
  return nullptr;
}

DescriptionRecord* FindControlRecord(std::uint32_t window, std::uint32_t control) {
  WindowDescription* description = FindWindowDescription(window);
  return description == nullptr ? nullptr : FindRecord(*description, control);
}

bool IsLive(const DescriptionRecord& record) { return record.object != nullptr && record.object->IsLive(); }

bool AnyWindowAlive() {
  for (const WindowDescription& description : Shell().windows) {
    if (!description.records.empty() && IsLive(description.records.front())) return true;
  }
  return false;
}

void FillObjectSlot(std::uint32_t window, std::uint32_t unit, ControlObject* object) {
  if (DescriptionRecord* record = FindControlRecord(window, unit)) record->object = object;
}
