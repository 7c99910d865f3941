#include "handler_binding.h"

#include <cstdint>

namespace {
constexpr std::int32_t kNoHandler = -1;

EventHandler LookUp(std::span<const HandlerEntry> handlers, std::int32_t offset, bool& found) {
  for (const HandlerEntry& entry : handlers) {
    if (entry.offset == offset) {
      found = entry.handler != nullptr;
      return entry.handler;
    }
  }
  found = false;
  return nullptr;
}
}  // namespace

bool BindEventHandlers(std::vector<WindowDescription>& windows, std::span<const HandlerEntry> handlers) {
  for (WindowDescription& window : windows) {
    for (DescriptionRecord& record : window.records) {
      for (EventBinding& binding : record.event_bindings) {
        if (binding.handler_offset == kNoHandler) {
          binding.handler = nullptr;
          continue;
        }
        bool found = false;
        binding.handler = LookUp(handlers, binding.handler_offset, found);
        if (!found) return false;
      }
    }
  }
  return true;
}
