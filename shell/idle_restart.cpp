#include "idle_restart.h"

namespace {
constexpr std::uint32_t kPaint = 0x000F;
constexpr std::uint32_t kSysTimer = 0x0118;
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kNcMouseMove = 0x00A0;
}  // namespace

bool IdleRestartFilter::Restarts(std::uint32_t message, int x, int y) {
  if (message == kPaint || message == kSysTimer) return false;
  if (message != kMouseMove && message != kNcMouseMove) return true;
  const bool repeats = has_previous_ && message == previous_message_ && x == previous_x_ && y == previous_y_;
  has_previous_ = true;
  previous_message_ = message;
  previous_x_ = x;
  previous_y_ = y;
  return !repeats;
}
