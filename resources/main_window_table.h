// The main window's description as a readable table. The stored form the
// program carries is encoded from it while compiling
// (main_window_description.cpp); test programs and fixtures take it as a
// model to alter (main_window_model.cpp). Kept apart so that the program
// itself carries only the encoded bytes, not the encoder.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "description_writer.h"
#include "main_window_texts.h"
#include "main_window_units.h"
#include "property_blocks.h"
#include "window_description.h"

namespace main_window_table {

inline constexpr std::uint32_t kShown = record_flag::kVisible;
inline constexpr std::uint32_t kShownTabStop = record_flag::kVisible | record_flag::kTabStop;

// A record of this window: no binding link, no parent, no children, the
// default mouse pointer (a zero selector), no tag, tab order 0.
inline constexpr DescriptionRecord Record(std::uint32_t unit_number, std::uint32_t type, std::string_view name,
                                          std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                                          std::uint32_t flags, std::vector<unsigned char> property_block,
                                          std::vector<EventBinding> event_bindings = {}) {
  DescriptionRecord record;
  record.unit_number = unit_number;
  record.control_type = type;
  record.name = gbk::Text(name);
  record.left = left;
  record.top = top;
  record.width = width;
  record.height = height;
  record.mouse_pointer = {0, 0, 0, 0};
  record.flags = flags;
  record.event_bindings = std::move(event_bindings);
  record.property_block = std::move(property_block);
  return record;
}

inline constexpr std::vector<WindowDescription> MainWindowTable() {
  using namespace main_window_unit;
  namespace type = control_type;
  WindowDescription window;
  window.window_number = kMainWindowNumber;
  // The window first, then the controls from the topmost down. Edit boxes
  // carry empty property blocks: every edit box default applies.
  window.records = {
      Record(kWindow, type::kWindow, "", 50, 50, 421, 156, kShown,
             EncodeWindowProperties({.version = 6, .title = gbk::Text(gbk::kMainWindowTitle)})),
      Record(
          kLabel4, type::kLabel, gbk::kLabel4Name, 304, 88, 88, 32, kShown,
          EncodeLabelProperties({.version = 2, .horizontal_alignment = 1, .caption = gbk::Text(gbk::kLabel4Caption)})),
      Record(kLabel3, type::kLabel, gbk::kLabel3Name, 26, 104, 232, 16, kShown,
             EncodeLabelProperties({.version = 2, .caption = gbk::Text(gbk::kLabel3Caption)})),
      Record(kLabel2, type::kLabel, gbk::kLabel2Name, 25, 56, 48, 40, kShown,
             EncodeLabelProperties({.version = 2, .caption = gbk::Text(gbk::kLabel2Caption)})),
      Record(kEditBox1, type::kEditBox, gbk::kEditBox1Name, 72, 24, 200, 32, kShownTabStop, {}),
      Record(kEditBox2, type::kEditBox, gbk::kEditBox2Name, 71, 64, 200, 32, kShownTabStop, {}),
      Record(kButton1, type::kButton, gbk::kButton1Name, 296, 40, 104, 32, kShownTabStop,
             EncodeButtonProperties({.version = 1, .caption = gbk::Text(gbk::kButton1Caption)}),
             {{.event = kClickEvent, .handler_offset = kEstimateClickHandlerOffset}}),
      Record(kLabel1, type::kLabel, gbk::kLabel1Name, 24, 16, 48, 40, kShown,
             EncodeLabelProperties({.version = 2, .caption = gbk::Text(gbk::kLabel1Caption)})),
  };
  std::vector<WindowDescription> windows;
  windows.push_back(std::move(window));
  return windows;
}

}  // namespace main_window_table
