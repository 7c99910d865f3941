// Every property's documented default, written out field by field as the
// expected side of the tests (independent of the structs' own initialisers).
#pragma once

#include "property_blocks.h"

inline WindowProperties DocumentedWindowDefaults() {
  WindowProperties p;
  p.version = 0;
  p.border = 2;
  p.picture_mode = 1;
  p.background_colour = 0xFF000000;
  p.maximise_button = false;
  p.minimise_button = true;
  p.control_box = true;
  p.start_position = 1;
  p.movable = true;
  p.music_mode = 0;
  p.enter_moves_focus = false;
  p.esc_closes = true;
  p.f1_opens_help = false;
  p.help_context = 0;
  p.shown_in_task_bar = true;
  p.drag_anywhere = false;
  p.shape = 0;
  p.always_on_top = false;
  p.keep_title_active = false;
  p.class_name = "";
  p.background_picture = {};
  p.icon = {};
  p.background_music = {};
  p.title = "";
  p.help_file = "";
  return p;
}

inline EditBoxProperties DocumentedEditBoxDefaults() {
  EditBoxProperties p;
  p.version = 0;
  p.border = 1;
  p.text_colour = 0x000000;
  p.background_colour = 0xFFFFFF;
  p.hide_selection = true;
  p.maximum_length = 0;
  p.multi_line = false;
  p.scroll_bars = 0;
  p.alignment = 0;
  p.input_mode = 0;
  p.password_character = 0x2A;  // "*"
  p.case_conversion = 0;
  p.spin_control = 0;
  p.spin_minimum = 0;
  p.spin_maximum = 100;
  p.selection_start = 0;
  p.selection_length = 0;
  p.font.reset();
  p.content = "";
  p.data_source = "";
  p.data_column = "";
  return p;
}

inline LabelProperties DocumentedLabelDefaults() {
  LabelProperties p;
  p.version = 0;
  p.text_effect = 0;
  p.gradient_border_width = 8;
  p.border = 0;
  p.gradient_border_colours = {0x808080, 0xFFFFFF, 0x808080};
  p.text_colour = 0x000000;
  p.background_colour = 0xFF000000;
  p.picture_mode = 1;
  p.gradient_background = 0;
  p.gradient_background_colours = {0x808080, 0xFFFFFF, 0x808080};
  p.horizontal_alignment = 0;
  p.vertical_alignment = 1;
  p.word_wrap = false;
  p.font.reset();
  p.background_picture = {};
  p.caption = "\xB1\xEA\xC7\xA9";  // 标签 in code page 936
  p.data_source = "";
  p.data_column = "";
  return p;
}

inline ButtonProperties DocumentedButtonDefaults() {
  ButtonProperties p;
  p.version = 0;
  p.default_button = 0;
  p.horizontal_alignment = 1;
  p.vertical_alignment = 1;
  p.picture = {};
  p.font.reset();
  p.caption = "\xB0\xB4\xC5\xA5";  // 按钮 in code page 936
  return p;
}
