#include "control_styles.h"

#include "window_description.h"
#include "window_styles.h"

namespace {

// Borders of the window border table that give a resizable frame.
bool HasThickFrame(std::int32_t border) { return border == 1 || border == 3 || border == 5; }

std::uint32_t WindowBorderExStyle(std::int32_t border) {
  switch (border) {
    case 3:
    case 4:
      return style::kExToolWindow;
    case 5:
    case 6:
      return style::kExClientEdge;
    default:
      return 0;
  }
}

}  // namespace

std::uint32_t RecordFlagStyles(std::uint32_t record_flags, bool is_window) {
  std::uint32_t bits = 0;
  if ((record_flags & record_flag::kDisabled) != 0) bits |= style::kDisabled;
  if (!is_window && (record_flags & record_flag::kTabStop) != 0) bits |= style::kTabStop;
  return bits;
}

WindowStyles FormWindowStyles(const WindowProperties& properties, std::uint32_t given_style) {
  WindowStyles styles{given_style | style::kClipChildren, 0};
  if (properties.border != 0) {
    if (!properties.title.empty() || properties.control_box) styles.style |= style::kCaption;
    if (properties.control_box) styles.style |= style::kSysMenu;
    styles.style |= style::kDlgFrame;
    if (HasThickFrame(properties.border)) styles.style |= style::kThickFrame;
    styles.ex_style |= WindowBorderExStyle(properties.border);
  }
  if (properties.maximise_button) styles.style |= style::kMaximizeBox;
  if (properties.minimise_button) styles.style |= style::kMinimizeBox;
  if (properties.start_position == 2) styles.style |= style::kMinimize;
  if (properties.start_position == 3 && (styles.style & style::kThickFrame) != 0) styles.style |= style::kMaximize;
  return styles;
}

WindowStyles ControlBorderStyles(std::int32_t border) {
  switch (border) {
    case 1:
      return {0, style::kExClientEdge};
    case 2:
      return {0, style::kExDlgModalFrame};
    case 3:
      return {0, style::kExStaticEdge};
    case 4:
      return {0, style::kExClientEdge | style::kExDlgModalFrame};
    case 5:
      return {style::kBorder, 0};
    default:
      return {};
  }
}

std::uint32_t EditBoxStyle(const EditBoxProperties& properties, std::uint32_t given_style) {
  std::uint32_t bits = style::kChild | given_style | style::kClipSiblings;
  if (!properties.hide_selection) bits |= style::kEditNoHideSel;
  if (properties.multi_line) {
    bits |= style::kEditMultiLine | style::kEditAutoVScroll | style::kEditWantReturn;
    if (properties.scroll_bars == 1 || properties.scroll_bars == 3) bits |= style::kEditAutoHScroll | style::kHScroll;
    if (properties.scroll_bars == 2 || properties.scroll_bars == 3) bits |= style::kVScroll;
  } else {
    bits |= style::kEditAutoHScroll;
  }
  if (properties.alignment == 1) bits |= style::kEditCenter;
  if (properties.alignment == 2) bits |= style::kEditRight;
  if (properties.input_mode == 1) bits |= style::kEditReadOnly;
  if (properties.input_mode == 2) bits |= style::kEditPassword;
  if (properties.case_conversion == 1) bits |= style::kEditLowerCase;
  if (properties.case_conversion == 2) bits |= style::kEditUpperCase;
  return bits;
}

std::uint32_t LabelStyle(std::uint32_t given_style) { return style::kChild | style::kClipSiblings | given_style; }

std::uint32_t ButtonStyle(const ButtonProperties& properties, std::uint32_t given_style) {
  std::uint32_t bits = style::kChild | style::kClipSiblings | style::kButtonMultiLine | given_style;
  bits |= properties.default_button == 1 ? style::kButtonDefPush : style::kButtonPush;
  switch (properties.horizontal_alignment) {
    case 0:
      bits |= style::kButtonLeft;
      break;
    case 2:
      bits |= style::kButtonRight;
      break;
    default:
      bits |= style::kButtonCenter;
      break;
  }
  switch (properties.vertical_alignment) {
    case 0:
      bits |= style::kButtonTop;
      break;
    case 2:
      bits |= style::kButtonBottom;
      break;
    default:
      bits |= style::kButtonVCenter;
      break;
  }
  return bits;
}

ScreenPoint CentredOrigin(std::int32_t screen_width, std::int32_t screen_height, std::int32_t width,
                          std::int32_t height) {
  // In 64 bits: no size a description can hold overflows there.
  const auto centre = [](std::int32_t screen, std::int32_t size) {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(screen) - size) / 2);
  };
  return ScreenPoint{centre(screen_width, width), centre(screen_height, height)};
}

std::uint32_t LabelTextFormat(const LabelProperties& properties) {
  std::uint32_t format = draw_text::kNoClip;
  if (properties.horizontal_alignment == 1) format |= draw_text::kCenter;
  if (properties.horizontal_alignment == 2) format |= draw_text::kRight;
  if (properties.word_wrap) return format | draw_text::kWordBreak | draw_text::kVCenter;
  format |= draw_text::kSingleLine;
  if (properties.vertical_alignment == 1) format |= draw_text::kVCenter;
  if (properties.vertical_alignment == 2) format |= draw_text::kBottom;
  return format;
}

std::uint32_t ResolveColour(std::uint32_t colour, std::uint32_t button_face) {
  return colour == kButtonFaceColour ? button_face : colour;
}
