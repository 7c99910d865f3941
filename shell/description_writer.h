// Writes window descriptions and property blocks in their stored form: the
// exact inverse of ReadWindowDescriptions and the property-block readers.
//
// Everything here is constexpr, so the program's own descriptions can be
// turned into their stored bytes while compiling. Test fixtures use the same
// functions at run time to build altered data: change the model, encode, and
// cut or patch the bytes as needed.
//
// Preconditions (the stored form cannot express anything else): texts stored
// zero-terminated (record name, remark and tag) hold no zero byte, and no
// text, byte data or list is 4 GiB or longer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "property_blocks.h"
#include "window_description.h"

// Appends little-endian values to a growing byte vector.
class ByteWriter {
 public:
  constexpr void PutU16(std::uint16_t value) {
    bytes_.push_back(static_cast<unsigned char>(value & 0xFF));
    bytes_.push_back(static_cast<unsigned char>(value >> 8));
  }
  constexpr void PutU32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
  }
  constexpr void PutI32(std::int32_t value) { PutU32(static_cast<std::uint32_t>(value)); }
  constexpr void PutFlag(bool set) { PutU32(set ? 1 : 0); }
  constexpr void PutZeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  constexpr void PutBytes(std::span<const unsigned char> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }
  // A u32 byte count, then the bytes: the form of texts and byte data.
  constexpr void PutCountedBytes(std::span<const unsigned char> bytes) {
    PutU32(static_cast<std::uint32_t>(bytes.size()));
    PutBytes(bytes);
  }
  constexpr void PutCountedText(std::string_view text) {
    PutU32(static_cast<std::uint32_t>(text.size()));
    for (const char c : text) bytes_.push_back(static_cast<unsigned char>(c));
  }
  constexpr void PutZeroTerminatedText(std::string_view text) {
    for (const char c : text) bytes_.push_back(static_cast<unsigned char>(c));
    bytes_.push_back(0);
  }

  constexpr std::size_t size() const { return bytes_.size(); }
  constexpr std::vector<unsigned char> Take() { return std::move(bytes_); }

 private:
  std::vector<unsigned char> bytes_;
};

namespace description_writer_detail {

// Byte data holding a font record, or nothing for the default font.
constexpr void PutFont(ByteWriter& out, const std::optional<FontRecord>& font) {
  if (font) {
    out.PutCountedBytes(*font);
  } else {
    out.PutU32(0);
  }
}

constexpr void PutColours(ByteWriter& out, const std::array<std::uint32_t, 3>& colours) {
  for (const std::uint32_t colour : colours) out.PutU32(colour);
}

// One record, without its leading byte count.
constexpr std::vector<unsigned char> EncodeRecordBody(const DescriptionRecord& record) {
  ByteWriter out;
  out.PutU32(record.control_type);
  out.PutU32(record.binding_link);
  out.PutZeros(16);
  out.PutZeroTerminatedText(record.name);
  out.PutZeroTerminatedText(record.remark);
  out.PutZeros(4);  // where the object slot lives at run time
  out.PutI32(record.left);
  out.PutI32(record.top);
  out.PutI32(record.width);
  out.PutI32(record.height);
  out.PutZeros(4);
  out.PutU32(record.parent);
  out.PutU32(static_cast<std::uint32_t>(record.children.size()));
  for (const std::uint32_t child : record.children) out.PutU32(child);
  out.PutCountedBytes(record.mouse_pointer);
  out.PutZeroTerminatedText(record.tag);
  out.PutZeros(4);
  out.PutU32(record.flags);
  out.PutI32(record.tab_order);
  out.PutU32(static_cast<std::uint32_t>(record.event_bindings.size()));
  for (const EventBinding& binding : record.event_bindings) {
    out.PutI32(binding.event);
    out.PutI32(binding.handler_offset);
  }
  out.PutZeros(20);
  out.PutBytes(record.property_block);
  return out.Take();
}

}  // namespace description_writer_detail

// The stored form of windows, as ReadWindowDescriptions reads it. Record
// offsets are computed; the per-window reserved value of the header is 0.
constexpr std::vector<unsigned char> EncodeWindowDescriptions(std::span<const WindowDescription> windows) {
  ByteWriter out;
  out.PutU32(static_cast<std::uint32_t>(windows.size() * 8));
  for (const WindowDescription& window : windows) out.PutU32(window.window_number);
  for (std::size_t i = 0; i < windows.size(); ++i) out.PutU32(0);
  for (const WindowDescription& window : windows) {
    out.PutU32(window.reserved1);
    out.PutU32(window.reserved2);
    out.PutCountedText(window.name);
    out.PutCountedText(window.remark);
    std::vector<std::vector<unsigned char>> bodies;
    std::size_t records_size = 0;
    for (const DescriptionRecord& record : window.records) {
      bodies.push_back(description_writer_detail::EncodeRecordBody(record));
      records_size += 4 + bodies.back().size();
    }
    out.PutU32(static_cast<std::uint32_t>(window.records.size()));
    out.PutU32(static_cast<std::uint32_t>(window.records.size() * 8 + records_size));
    for (const DescriptionRecord& record : window.records) out.PutU32(record.unit_number);
    std::size_t offset = 0;
    for (const std::vector<unsigned char>& body : bodies) {
      out.PutU32(static_cast<std::uint32_t>(offset));
      offset += 4 + body.size();
    }
    for (const std::vector<unsigned char>& body : bodies) out.PutCountedBytes(body);
  }
  return out.Take();
}

// Property blocks. Each writes the version the struct holds and exactly the
// fields that version has, so a struct with version 7 gives a block of a
// version above the highest, still with every field.

constexpr std::vector<unsigned char> EncodeWindowProperties(const WindowProperties& p) {
  ByteWriter out;
  out.PutU32(p.version);
  out.PutI32(p.border);
  out.PutI32(p.picture_mode);
  out.PutU32(p.background_colour);
  out.PutFlag(p.maximise_button);
  out.PutFlag(p.minimise_button);
  out.PutFlag(p.control_box);
  out.PutI32(p.start_position);
  out.PutFlag(p.movable);
  out.PutI32(p.music_mode);
  out.PutFlag(p.enter_moves_focus);
  out.PutFlag(p.esc_closes);
  out.PutFlag(p.f1_opens_help);
  out.PutI32(p.help_context);
  if (p.version >= 2) out.PutFlag(p.shown_in_task_bar);
  if (p.version >= 3) {
    out.PutFlag(p.drag_anywhere);
    out.PutI32(p.shape);
  }
  if (p.version >= 4) out.PutFlag(p.always_on_top);
  if (p.version >= 5) out.PutFlag(p.keep_title_active);
  if (p.version >= 6) out.PutCountedText(p.class_name);
  out.PutCountedBytes(p.background_picture);
  out.PutCountedBytes(p.icon);
  out.PutCountedBytes(p.background_music);
  out.PutCountedText(p.title);
  out.PutCountedText(p.help_file);
  return out.Take();
}

constexpr std::vector<unsigned char> EncodeEditBoxProperties(const EditBoxProperties& p) {
  ByteWriter out;
  out.PutU32(p.version);
  out.PutI32(p.border);
  out.PutU32(p.text_colour);
  out.PutU32(p.background_colour);
  out.PutFlag(p.hide_selection);
  out.PutI32(p.maximum_length);
  out.PutFlag(p.multi_line);
  out.PutI32(p.scroll_bars);
  out.PutI32(p.alignment);
  out.PutI32(p.input_mode);
  out.PutU16(p.password_character);
  out.PutI32(p.case_conversion);
  out.PutI32(p.spin_control);
  out.PutI32(p.spin_minimum);
  out.PutI32(p.spin_maximum);
  out.PutI32(p.selection_start);
  out.PutI32(p.selection_length);
  description_writer_detail::PutFont(out, p.font);
  out.PutCountedText(p.content);
  if (p.version >= 2) {
    out.PutCountedText(p.data_source);
    out.PutCountedText(p.data_column);
  }
  return out.Take();
}

constexpr std::vector<unsigned char> EncodeLabelProperties(const LabelProperties& p) {
  ByteWriter out;
  out.PutU32(p.version);
  out.PutI32(p.text_effect);
  out.PutI32(p.gradient_border_width);
  out.PutI32(p.border);
  description_writer_detail::PutColours(out, p.gradient_border_colours);
  out.PutU32(p.text_colour);
  out.PutU32(p.background_colour);
  out.PutI32(p.picture_mode);
  out.PutI32(p.gradient_background);
  description_writer_detail::PutColours(out, p.gradient_background_colours);
  out.PutI32(p.horizontal_alignment);
  out.PutI32(p.vertical_alignment);
  out.PutFlag(p.word_wrap);
  description_writer_detail::PutFont(out, p.font);
  out.PutCountedBytes(p.background_picture);
  out.PutCountedText(p.caption);
  if (p.version >= 2) {
    out.PutCountedText(p.data_source);
    out.PutCountedText(p.data_column);
  }
  return out.Take();
}

constexpr std::vector<unsigned char> EncodeButtonProperties(const ButtonProperties& p) {
  ByteWriter out;
  out.PutU32(p.version);
  out.PutI32(p.default_button);
  out.PutI32(p.horizontal_alignment);
  out.PutI32(p.vertical_alignment);
  out.PutCountedBytes(p.picture);
  description_writer_detail::PutFont(out, p.font);
  out.PutCountedText(p.caption);
  return out.Take();
}
