// The style arithmetic of the window and control creators: from a record's
// properties and flags to the styles the system windows are created with.
#pragma once

#include <cstdint>

#include "property_blocks.h"

struct WindowStyles {
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;

  friend bool operator==(const WindowStyles&, const WindowStyles&) = default;
};

// Style bits a record's flags add to any control or window.
std::uint32_t RecordFlagStyles(std::uint32_t record_flags, bool is_window);

// The window: given_style (from the record's flags) plus WS_CLIPCHILDREN, the
// caption and frame of its border, the caption buttons, and WS_MINIMIZE or
// WS_MAXIMIZE by its start position.
WindowStyles FormWindowStyles(const WindowProperties& properties, std::uint32_t given_style);

// The control border table, for edit boxes and labels; border 6 (a label's
// own gradient frame) and unknown borders add nothing.
WindowStyles ControlBorderStyles(std::int32_t border);

// The control's own styles, before its border is applied.
std::uint32_t EditBoxStyle(const EditBoxProperties& properties, std::uint32_t given_style);
std::uint32_t LabelStyle(std::uint32_t given_style);
std::uint32_t ButtonStyle(const ButtonProperties& properties, std::uint32_t given_style);

// Where a centred window of the given outer size starts on a screen of the
// given size; the divisions truncate toward zero.
struct ScreenPoint {
  std::int32_t x;
  std::int32_t y;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};
ScreenPoint CentredOrigin(std::int32_t screen_width, std::int32_t screen_height, std::int32_t width,
                          std::int32_t height);

// The format a label draws its caption with.
std::uint32_t LabelTextFormat(const LabelProperties& properties);

// A stored colour as the system takes it: kButtonFaceColour becomes the
// system's button-face colour.
std::uint32_t ResolveColour(std::uint32_t colour, std::uint32_t button_face);
