// Window descriptions: the data from which the shell builds every window and
// control, and the reader of the stored form the program carries them in.
//
// Texts are std::string holding raw code page 936 bytes; nothing here converts
// text. All integers of the stored form are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "event_handler.h"

// The run-time object created from a description record. Defined by the part
// of the shell that builds windows; descriptions only carry a pointer to it.
class ControlObject;

// Control type numbers: the defining library's number (1) in the high 16 bits,
// the type's place in that library's list (counted from 1) in the low 16 bits.
namespace control_type {
inline constexpr std::uint32_t kWindow = 65537;   // 窗口: a top-level window
inline constexpr std::uint32_t kEditBox = 65541;  // 编辑框: a system "EDIT" child
inline constexpr std::uint32_t kLabel = 65546;    // 标签: a label painted by the shell
inline constexpr std::uint32_t kButton = 65547;   // 按钮: a system "BUTTON" child
}  // namespace control_type

// Bits of DescriptionRecord::flags; all other bits are 0.
namespace record_flag {
inline constexpr std::uint32_t kVisible = 1u << 0;
inline constexpr std::uint32_t kDisabled = 1u << 1;
inline constexpr std::uint32_t kTabStop = 1u << 2;
}  // namespace record_flag

// One event of a control bound to a program routine.
struct EventBinding {
  std::int32_t event = 0;
  // Bytes past the program's code base; -1 = no handler.
  std::int32_t handler_offset = -1;
  // The routine for handler_offset, filled when the shell binds the handlers
  // at start-up; null before that and for offset -1.
  EventHandler handler = nullptr;

  friend bool operator==(const EventBinding&, const EventBinding&) = default;
};

// The description of the window itself (the first record) or of one control.
struct DescriptionRecord {
  std::uint32_t unit_number = 0;
  std::uint32_t control_type = 0;  // one of control_type::*
  // 0, or the unit number of another record of the same type in the same
  // window whose event bindings this record uses.
  std::uint32_t binding_link = 0;
  std::string name{};    // such as 编辑框1; empty for the window itself
  std::string remark{};  // free text, read by nothing
  // Controls: relative to the window's client area. The window: screen
  // coordinates and outer size, frame and caption included.
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  // 0 = the window itself; otherwise a container control of the same window.
  std::uint32_t parent = 0;
  // A container's children by unit number, pages separated by 0.
  std::vector<std::uint32_t> children{};
  // Its first 32-bit word selects a standard pointer; 0 = the class's pointer.
  std::vector<unsigned char> mouse_pointer{};
  std::string tag{};        // free text for the program's own use
  std::uint32_t flags = 0;  // record_flag::* bits
  std::int32_t tab_order = 0;
  std::vector<EventBinding> event_bindings{};
  // The control type's own properties (property_blocks.h); empty = defaults.
  std::vector<unsigned char> property_block{};

  // The object built from this record, from its creation until its window is
  // destroyed; null otherwise. Not part of the stored form.
  ControlObject* object = nullptr;

  constexpr bool IsVisible() const { return (flags & record_flag::kVisible) != 0; }
  constexpr bool IsDisabled() const { return (flags & record_flag::kDisabled) != 0; }
  constexpr bool IsTabStop() const { return (flags & record_flag::kTabStop) != 0; }

  friend bool operator==(const DescriptionRecord&, const DescriptionRecord&) = default;
};

// One window: its number, and its records, the window itself first, then the
// controls, topmost first.
struct WindowDescription {
  std::uint32_t window_number = 0;
  // Stored with the description and read by nothing.
  std::uint32_t reserved1 = 0;
  std::uint32_t reserved2 = 0;
  std::string name{};
  std::string remark{};
  std::vector<DescriptionRecord> records{};

  friend bool operator==(const WindowDescription&, const WindowDescription&) = default;
};

// Why a stored form was refused. The reader is strict: the stored form is the
// program's own data, so anything that does not add up is refused rather than
// read in some guessed way.
enum class DescriptionError {
  kNone,
  // The bytes (or a record's declared length) end before a field or a counted
  // run of bytes is complete.
  kUnexpectedEnd,
  // The first value, 8 times the number of windows, is not a multiple of 8.
  kBadWindowCount,
  // A stored record offset is not where that record actually starts.
  kRecordOffsetMismatch,
  // A window's record data byte count is larger than its unit numbers,
  // offsets and records together.
  kRecordDataMismatch,
  // Bytes remain after the last window.
  kTrailingBytes,
};

// The result of ReadWindowDescriptions: every window on success; on failure
// no window at all, with what failed and where.
struct DescriptionReadResult {
  DescriptionError error = DescriptionError::kNone;
  std::size_t offset = 0;                    // where the failing field starts in the stored form
  const char* field = "";                    // the failing field's name, for messages
  std::vector<WindowDescription> windows{};  // empty unless error is kNone

  explicit operator bool() const { return error == DescriptionError::kNone; }
};

// Reads the stored form:
//   u32 8 * window count; u32 window number per window; u32 reserved per window;
//   per window: u32 reserved, u32 reserved, text name, text remark,
//     u32 record count U, u32 byte count B of what follows, then B bytes:
//     U unit numbers (u32), U record offsets (u32, from the first record's
//     start), U records (u32 length L, then L bytes).
// A text (and byte data) is a u32 byte count followed by the bytes. The record
// layout is in window_description_reader.cpp. Records are read in sequence;
// each stored offset must equal the position the record was found at.
DescriptionReadResult ReadWindowDescriptions(std::span<const unsigned char> stored_form);
