// The property-block readers: each control type's fields in stored order,
// read over the defaults (the reading rules are in property_blocks.h).
#include "property_blocks.h"

#include <algorithm>
#include <utility>

#include "field_reader.h"

namespace {

// Byte data that is a font record only when exactly kFontRecordSize long.
bool ReadFont(FieldReader& in, std::optional<FontRecord>& font) {
  std::span<const unsigned char> view;
  if (!in.CountedView(view, "font")) return false;
  if (view.size() == kFontRecordSize) {
    FontRecord record{};
    std::copy(view.begin(), view.end(), record.begin());
    font = record;
  } else {
    font.reset();
  }
  return true;
}

bool ReadColours(FieldReader& in, std::array<std::uint32_t, 3>& colours, const char* field) {
  for (std::uint32_t& colour : colours) {
    if (!in.U32(colour, field)) return false;
  }
  return true;
}

template <class Properties>
PropertyReadResult<Properties> Failure(PropertyBlockError error, std::size_t offset, const char* field) {
  PropertyReadResult<Properties> result;
  result.error = error;
  result.offset = offset;
  result.field = field;
  return result;
}

// The frame every reader shares: the empty block, the version check, and a
// result that holds either every field or only the defaults.
template <class Properties, class ReadFields>
PropertyReadResult<Properties> ReadBlock(std::span<const unsigned char> block, ReadFields read_fields) {
  if (block.empty()) return {};
  FieldReader in(block);
  Properties properties;
  if (!in.U32(properties.version, "version")) {
    return Failure<Properties>(PropertyBlockError::kUnexpectedEnd, in.failed_offset(), in.failed_field());
  }
  if (properties.version > Properties::kHighestVersion) {
    return Failure<Properties>(PropertyBlockError::kVersionTooHigh, 0, "version");
  }
  if (!read_fields(in, properties)) {
    return Failure<Properties>(PropertyBlockError::kUnexpectedEnd, in.failed_offset(), in.failed_field());
  }
  PropertyReadResult<Properties> result;
  result.properties = std::move(properties);
  return result;
}

}  // namespace

PropertyReadResult<WindowProperties> ReadWindowProperties(std::span<const unsigned char> block) {
  return ReadBlock<WindowProperties>(block, [](FieldReader& in, WindowProperties& p) {
    const std::uint32_t v = p.version;
    return in.I32(p.border, "border") && in.I32(p.picture_mode, "picture mode") &&
           in.U32(p.background_colour, "background colour") && in.Flag(p.maximise_button, "maximise button") &&
           in.Flag(p.minimise_button, "minimise button") && in.Flag(p.control_box, "control box") &&
           in.I32(p.start_position, "start position") && in.Flag(p.movable, "movable") &&
           in.I32(p.music_mode, "music mode") && in.Flag(p.enter_moves_focus, "Enter moves focus") &&
           in.Flag(p.esc_closes, "Esc closes") && in.Flag(p.f1_opens_help, "F1 opens help") &&
           in.I32(p.help_context, "help context") && (v < 2 || in.Flag(p.shown_in_task_bar, "shown in task bar")) &&
           (v < 3 || (in.Flag(p.drag_anywhere, "drag anywhere") && in.I32(p.shape, "shape"))) &&
           (v < 4 || in.Flag(p.always_on_top, "always on top")) &&
           (v < 5 || in.Flag(p.keep_title_active, "keep title active")) &&
           (v < 6 || in.CountedText(p.class_name, "class name")) &&
           in.CountedBytes(p.background_picture, "background picture") && in.CountedBytes(p.icon, "icon") &&
           in.CountedBytes(p.background_music, "background music") && in.CountedText(p.title, "title") &&
           in.CountedText(p.help_file, "help file");
  });
}

PropertyReadResult<EditBoxProperties> ReadEditBoxProperties(std::span<const unsigned char> block) {
  return ReadBlock<EditBoxProperties>(block, [](FieldReader& in, EditBoxProperties& p) {
    return in.I32(p.border, "border") && in.U32(p.text_colour, "text colour") &&
           in.U32(p.background_colour, "background colour") && in.Flag(p.hide_selection, "hide selection") &&
           in.I32(p.maximum_length, "maximum length") && in.Flag(p.multi_line, "multi-line") &&
           in.I32(p.scroll_bars, "scroll bars") && in.I32(p.alignment, "alignment") &&
           in.I32(p.input_mode, "input mode") && in.U16(p.password_character, "password character") &&
           in.I32(p.case_conversion, "case conversion") && in.I32(p.spin_control, "spin control") &&
           in.I32(p.spin_minimum, "spin minimum") && in.I32(p.spin_maximum, "spin maximum") &&
           in.I32(p.selection_start, "selection start") && in.I32(p.selection_length, "selection length") &&
           ReadFont(in, p.font) && in.CountedText(p.content, "content") &&
           (p.version < 2 ||
            (in.CountedText(p.data_source, "data source") && in.CountedText(p.data_column, "data column")));
  });
}

PropertyReadResult<LabelProperties> ReadLabelProperties(std::span<const unsigned char> block) {
  return ReadBlock<LabelProperties>(block, [](FieldReader& in, LabelProperties& p) {
    return in.I32(p.text_effect, "text effect") && in.I32(p.gradient_border_width, "gradient border width") &&
           in.I32(p.border, "border") && ReadColours(in, p.gradient_border_colours, "gradient border colours") &&
           in.U32(p.text_colour, "text colour") && in.U32(p.background_colour, "background colour") &&
           in.I32(p.picture_mode, "picture mode") && in.I32(p.gradient_background, "gradient background") &&
           ReadColours(in, p.gradient_background_colours, "gradient background colours") &&
           in.I32(p.horizontal_alignment, "horizontal alignment") &&
           in.I32(p.vertical_alignment, "vertical alignment") && in.Flag(p.word_wrap, "word wrap") &&
           ReadFont(in, p.font) && in.CountedBytes(p.background_picture, "background picture") &&
           in.CountedText(p.caption, "caption") &&
           (p.version < 2 ||
            (in.CountedText(p.data_source, "data source") && in.CountedText(p.data_column, "data column")));
  });
}

PropertyReadResult<ButtonProperties> ReadButtonProperties(std::span<const unsigned char> block) {
  return ReadBlock<ButtonProperties>(block, [](FieldReader& in, ButtonProperties& p) {
    return in.I32(p.default_button, "default button") && in.I32(p.horizontal_alignment, "horizontal alignment") &&
           in.I32(p.vertical_alignment, "vertical alignment") && in.CountedBytes(p.picture, "picture") &&
           ReadFont(in, p.font) && in.CountedText(p.caption, "caption");
  });
}
