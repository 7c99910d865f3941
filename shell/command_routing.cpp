#include "command_routing.h"

namespace {
constexpr std::uint32_t kFirstHandledId = 0xE100;
constexpr std::uint32_t kFirstMenuId = 20000;
}  // namespace

CommandRoute RouteCommand(std::uint32_t id) {
  if (id >= kFirstHandledId) return CommandRoute::kHandled;
  if (id >= kFirstMenuId) return CommandRoute::kMenu;
  return CommandRoute::kControl;
}
