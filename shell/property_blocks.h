// The property blocks of the four control types: every property with its
// default, and the readers the creators call before they build a control.
//
// A block is read field by field over the defaults, in the order of the
// structs below, little-endian. It starts with a u32 version; fields tagged
// "version N" are present only from version N on, the others always.
//   flag:        u32, set when it is 1
//   colour:      u32 0x00BBGGRR; kButtonFaceColour stands for the system's
//                button-face colour
//   text:        u32 byte count, then the bytes (no terminator)
//   byte data:   u32 byte count, then the bytes
//   font:        byte data; exactly 60 bytes are a font record, any other
//                length means the default font
// An empty block means every property keeps its default. A non-empty block
// must hold every field its version promises: one that stops before or inside
// any of them is refused, as is a version above the type's highest (the
// version is unsigned, so "negative" versions are above it too). Bytes after
// the last field are ignored.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "control_default_texts.h"

// 0xFF000000: the system's button-face colour wherever a colour is applied.
inline constexpr std::uint32_t kButtonFaceColour = 0xFF000000;

// The stored bytes of a font record; their meaning belongs to the platform.
inline constexpr std::size_t kFontRecordSize = 60;
using FontRecord = std::array<unsigned char, kFontRecordSize>;

struct WindowProperties {
  static constexpr std::uint32_t kHighestVersion = 6;
  std::uint32_t version = 0;      // as stored; 0 for an empty block
  std::int32_t border = 2;        // the window border table
  std::int32_t picture_mode = 1;  // 0 corner, 1 tiled, 2 fitted, 3 stretched
  std::uint32_t background_colour = kButtonFaceColour;
  bool maximise_button = false;
  bool minimise_button = true;
  bool control_box = true;
  std::int32_t start_position = 1;  // 0 stored place, 1 centred, 2 minimised, 3 maximised
  bool movable = true;
  std::int32_t music_mode = 0;
  bool enter_moves_focus = false;
  bool esc_closes = true;
  bool f1_opens_help = false;
  std::int32_t help_context = 0;
  bool shown_in_task_bar = true;   // version 2
  bool drag_anywhere = false;      // version 3
  std::int32_t shape = 0;          // version 3; 0 = rectangular
  bool always_on_top = false;      // version 4
  bool keep_title_active = false;  // version 5
  std::string class_name{};        // version 6; empty = the default window class
  std::vector<unsigned char> background_picture{};
  std::vector<unsigned char> icon{};  // empty = the program's icon resource
  std::vector<unsigned char> background_music{};
  std::string title{};
  std::string help_file{};

  friend bool operator==(const WindowProperties&, const WindowProperties&) = default;
};

struct EditBoxProperties {
  static constexpr std::uint32_t kHighestVersion = 2;
  std::uint32_t version = 0;
  std::int32_t border = 1;  // the control border table
  std::uint32_t text_colour = 0x000000;
  std::uint32_t background_colour = 0xFFFFFF;
  bool hide_selection = true;
  std::int32_t maximum_length = 0;  // 0 = the system's maximum
  bool multi_line = false;
  std::int32_t scroll_bars = 0;           // multi-line: 1 horizontal, 2 vertical, 3 both
  std::int32_t alignment = 0;             // 0 left, 1 centred, 2 right
  std::int32_t input_mode = 0;            // 0 any, 1 read-only, 2 password, 3..11 numeric
  std::uint16_t password_character = 42;  // "*"
  std::int32_t case_conversion = 0;       // 1 lower, 2 upper
  std::int32_t spin_control = 0;
  std::int32_t spin_minimum = 0;
  std::int32_t spin_maximum = 100;
  std::int32_t selection_start = 0;
  std::int32_t selection_length = 0;
  std::optional<FontRecord> font{};  // none = the default GUI font
  std::string content{};             // the initial text
  std::string data_source{};         // version 2
  std::string data_column{};         // version 2

  friend bool operator==(const EditBoxProperties&, const EditBoxProperties&) = default;
};

struct LabelProperties {
  static constexpr std::uint32_t kHighestVersion = 2;
  std::uint32_t version = 0;
  std::int32_t text_effect = 0;            // 0 plain; 1, 2, 3 shadow effects
  std::int32_t gradient_border_width = 8;  // used by border 6
  std::int32_t border = 0;                 // the control border table
  std::array<std::uint32_t, 3> gradient_border_colours = {0x808080, 0xFFFFFF, 0x808080};
  std::uint32_t text_colour = 0x000000;
  std::uint32_t background_colour = kButtonFaceColour;
  std::int32_t picture_mode = 1;         // 0 to 2
  std::int32_t gradient_background = 0;  // 0 = none
  std::array<std::uint32_t, 3> gradient_background_colours = {0x808080, 0xFFFFFF, 0x808080};
  std::int32_t horizontal_alignment = 0;  // 0 left, 1 centred, 2 right
  std::int32_t vertical_alignment = 1;    // 0 top, 1 centred, 2 bottom
  bool word_wrap = false;
  std::optional<FontRecord> font{};
  std::vector<unsigned char> background_picture{};
  std::string caption = gbk::Text(gbk::kDefaultLabelCaption);  // "标签"
  std::string data_source{};                                   // version 2
  std::string data_column{};                                   // version 2

  friend bool operator==(const LabelProperties&, const LabelProperties&) = default;
};

struct ButtonProperties {
  static constexpr std::uint32_t kHighestVersion = 1;
  std::uint32_t version = 0;
  std::int32_t default_button = 0;        // 1 = default push button
  std::int32_t horizontal_alignment = 1;  // 0 left, 1 centred, 2 right
  std::int32_t vertical_alignment = 1;    // 0 top, 1 centred, 2 bottom
  std::vector<unsigned char> picture{};   // an icon or bitmap on the button
  std::optional<FontRecord> font{};
  std::string caption = gbk::Text(gbk::kDefaultButtonCaption);  // "按钮"

  friend bool operator==(const ButtonProperties&, const ButtonProperties&) = default;
};

// Why a property block was refused.
enum class PropertyBlockError {
  kNone,
  // The version is above the control type's highest.
  kVersionTooHigh,
  // The block stops before or inside a field its version promises.
  kUnexpectedEnd,
};

// A reader's result: the properties on success; on failure the defaults
// (never a half-read block), with what failed and where.
template <class Properties>
struct PropertyReadResult {
  PropertyBlockError error = PropertyBlockError::kNone;
  std::size_t offset = 0;  // where the failing field starts in the block
  const char* field = "";  // the failing field's name
  Properties properties;

  explicit operator bool() const { return error == PropertyBlockError::kNone; }
};

PropertyReadResult<WindowProperties> ReadWindowProperties(std::span<const unsigned char> block);
PropertyReadResult<EditBoxProperties> ReadEditBoxProperties(std::span<const unsigned char> block);
PropertyReadResult<LabelProperties> ReadLabelProperties(std::span<const unsigned char> block);
PropertyReadResult<ButtonProperties> ReadButtonProperties(std::span<const unsigned char> block);
