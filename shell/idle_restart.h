// Which messages make the message loop start a new idle phase. Paint and
// system timer messages do not, nor a mouse move that repeats the previous
// mouse message at the same place (some systems send those without any real
// movement, and treating them as activity would keep the loop idling).
#pragma once

#include <cstdint>

class IdleRestartFilter {
 public:
  // message with its cursor position in screen coordinates.
  bool Restarts(std::uint32_t message, int x, int y);

 private:
  bool has_previous_ = false;
  std::uint32_t previous_message_ = 0;
  int previous_x_ = 0;
  int previous_y_ = 0;
};
