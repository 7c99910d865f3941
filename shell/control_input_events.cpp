#include "control_input_events.h"

namespace {

// Client coordinates travel as two signed 16-bit halves of lParam.
std::int32_t SignedLow16(std::uint64_t value) { return static_cast<std::int16_t>(value & 0xFFFF); }
std::int32_t SignedHigh16(std::uint64_t value) { return static_cast<std::int16_t>((value >> 16) & 0xFFFF); }

ControlInputEvent Mouse(std::int32_t event, std::uint64_t l_param, std::int32_t third) {
  return ControlInputEvent{event, 3, {SignedLow16(l_param), SignedHigh16(l_param), third}};
}

ControlInputEvent WithOne(std::int32_t event, std::int32_t argument) { return ControlInputEvent{event, 1, {argument}}; }

}  // namespace

std::optional<ControlInputEvent> ControlInputEventOf(std::uint32_t message, std::uint64_t w_param,
                                                     std::uint64_t l_param, std::uint16_t key_code) {
  namespace m = input_message;
  switch (message) {
    case m::kKeyDown:
    case m::kSysKeyDown:
      return WithOne(input_event::kKeyDown, key_code);
    case m::kKeyUp:
    case m::kSysKeyUp:
      return WithOne(input_event::kKeyUp, key_code);
    case m::kChar:
    case m::kSysChar:
      return WithOne(input_event::kCharacter, static_cast<std::int32_t>(w_param & 0xFFFF));
    case m::kMouseMove:
      return Mouse(input_event::kMouseMove, l_param, static_cast<std::int32_t>(w_param & 0xFFFF));
    case m::kLeftDown:
      return Mouse(input_event::kMouseDown, l_param, 1);
    case m::kRightDown:
      return Mouse(input_event::kMouseDown, l_param, 2);
    case m::kMiddleDown:
      return Mouse(input_event::kMouseDown, l_param, 3);
    case m::kLeftUp:
      return Mouse(input_event::kMouseUp, l_param, 1);
    case m::kRightUp:
      return Mouse(input_event::kMouseUp, l_param, 2);
    case m::kMiddleUp:
      return Mouse(input_event::kMouseUp, l_param, 3);
    case m::kLeftDoubleClick:
      return Mouse(input_event::kDoubleClick, l_param, 1);
    case m::kRightDoubleClick:
      return Mouse(input_event::kDoubleClick, l_param, 2);
    case m::kMiddleDoubleClick:
      return Mouse(input_event::kDoubleClick, l_param, 3);
    default:
      return std::nullopt;
  }
}
