// Talvenor's main window as seen from outside: the window and its seven
// controls, found by their control ids.
#pragma once

#include <windows.h>

namespace gui {

inline constexpr int kSizeLabelId = 100;    // 标签1
inline constexpr int kButtonId = 110;       // 按钮1
inline constexpr int kOutputBoxId = 120;    // 编辑框2
inline constexpr int kEntryBoxId = 130;     // 编辑框1
inline constexpr int kHeightLabelId = 140;  // 标签2
inline constexpr int kNoteLabelId = 150;    // 标签3
inline constexpr int kNameLabelId = 160;    // 标签4

struct MainWindow {
  HWND window = nullptr;
  HWND Control(int id) const { return GetDlgItem(window, id); }
  HWND entry_box() const { return Control(kEntryBoxId); }
  HWND output_box() const { return Control(kOutputBoxId); }
  HWND button() const { return Control(kButtonId); }
};

}  // namespace gui
