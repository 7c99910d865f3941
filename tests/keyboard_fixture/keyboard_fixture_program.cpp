// A test program on the product's shell whose one window shows the keyboard
// rules that the main window's description does not reach: Enter clicking a
// default push button, label mnemonics and tab orders that sort the focus.
// Its click handlers log every click into an edit box, where a driver reads
// them from outside.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "description_writer.h"
#include "keyboard_fixture_window.h"
#include "program_data.h"
#include "property_access.h"

namespace {

using namespace keyboard_fixture;

constexpr std::uint32_t kFirstUnit = 0x16000001;
constexpr std::uint32_t Unit(int record) { return kFirstUnit + static_cast<std::uint32_t>(record); }

constexpr std::int32_t kClickEvent = 0;
constexpr std::int32_t kGoHandlerOffset = 16;
constexpr std::int32_t kOtherHandlerOffset = 32;
constexpr std::int32_t kNextHandlerOffset = 48;
// Property 8 of an edit box is its text.
constexpr std::int32_t kTextProperty = kFirstOwnProperty;

void LogClick(const char* prefix, int& count) {
  ++count;
  const std::string line = prefix + std::to_string(count);
  WriteProperty(kWindowNumber, Unit(3), kTextProperty, kWholeProperty, reinterpret_cast<std::uintptr_t>(line.c_str()),
                0);
}

HandlerResult OnGoClick(const std::int32_t* /*arguments*/, std::int32_t /*count*/) {
  static int clicks = 0;
  LogClick(kGoClickPrefix, clicks);
  return {};
}

HandlerResult OnOtherClick(const std::int32_t* /*arguments*/, std::int32_t /*count*/) {
  static int clicks = 0;
  LogClick(kOtherClickPrefix, clicks);
  return {};
}

HandlerResult OnNextClick(const std::int32_t* /*arguments*/, std::int32_t /*count*/) {
  static int clicks = 0;
  LogClick(kNextClickPrefix, clicks);
  return {};
}

constexpr std::array<HandlerEntry, 3> kHandlers = {
    {{kGoHandlerOffset, &OnGoClick}, {kOtherHandlerOffset, &OnOtherClick}, {kNextHandlerOffset, &OnNextClick}}};

constexpr std::uint32_t kShown = record_flag::kVisible;
constexpr std::uint32_t kShownTabStop = record_flag::kVisible | record_flag::kTabStop;

DescriptionRecord Record(int index, std::uint32_t type, std::int32_t left, std::int32_t top, std::int32_t width,
                         std::int32_t height, std::uint32_t flags, std::int32_t tab_order,
                         std::vector<unsigned char> block, std::int32_t click_handler = -1) {
  DescriptionRecord record;
  record.unit_number = Unit(index);
  record.control_type = type;
  record.name = "control" + std::to_string(index);
  record.left = left;
  record.top = top;
  record.width = width;
  record.height = height;
  record.mouse_pointer = {0, 0, 0, 0};
  record.flags = flags;
  record.tab_order = tab_order;
  if (click_handler >= 0) record.event_bindings = {{.event = kClickEvent, .handler_offset = click_handler}};
  record.property_block = std::move(block);
  return record;
}

std::vector<unsigned char> LabelBlock(const char* caption) {
  return EncodeLabelProperties({.version = 2, .caption = caption});
}

std::vector<unsigned char> ButtonBlock(const char* caption, bool default_button) {
  return EncodeButtonProperties({.version = 1, .default_button = default_button ? 1 : 0, .caption = caption});
}

std::vector<unsigned char> StoredForm() {
  namespace type = control_type;
  WindowDescription window;
  window.window_number = kWindowNumber;
  window.records = {
      Record(0, type::kWindow, 0, 0, 380, 260, kShown, 0,
             EncodeWindowProperties({.version = 6, .title = "Keyboard fixture"})),
      Record(1, type::kLabel, 10, 12, 60, 20, kShown, 2, LabelBlock("&Name:")),
      Record(2, type::kEditBox, 80, 10, 150, 24, kShownTabStop, 2, {}),
      Record(3, type::kEditBox, 80, 40, 150, 24, kShownTabStop, 3, {}),
      Record(4, type::kButton, 250, 10, 90, 26, kShownTabStop, 1, ButtonBlock("&Go", true), kGoHandlerOffset),
      Record(5, type::kButton, 250, 44, 90, 26, kShownTabStop, 0, ButtonBlock("Other", false), kOtherHandlerOffset),
      Record(6, type::kEditBox, 80, 74, 150, 24, kShownTabStop, 0, {}),
      Record(7, type::kLabel, 10, 42, 60, 20, kShown, 3, LabelBlock("&Log:")),
      Record(8, type::kButton, 250, 78, 90, 26, kShownTabStop | record_flag::kDisabled, 1,
             ButtonBlock("&Disabled", false)),
      Record(9, type::kEditBox, 80, 110, 260, 70, kShownTabStop, 4,
             EncodeEditBoxProperties({.version = 2, .multi_line = true})),
      Record(10, type::kButton, 250, 190, 90, 26, kShownTabStop, 5, ButtonBlock("Next", true), kNextHandlerOffset),
  };
  std::vector<WindowDescription> windows;
  windows.push_back(std::move(window));
  return EncodeWindowDescriptions(windows);
}

}  // namespace

const ProgramData& TheProgram() {
  static const std::vector<unsigned char> stored = StoredForm();
  static const ProgramData program = [] {
    ProgramData data;
    data.descriptions = stored;
    data.handlers = kHandlers;
    data.start_window = kWindowNumber;
    return data;
  }();
  return program;
}
