// The numbers that name the program's one window and its controls. The
// program's data, the handler table and the tests all take them from here.
#pragma once

#include <cstdint>

// The main window's window number.
inline constexpr std::uint32_t kMainWindowNumber = 1375797249;

// Unit numbers of the main window's description records, in record order:
// the window itself first, then the controls, topmost first.
namespace main_window_unit {
inline constexpr std::uint32_t kWindow = 100728832;
inline constexpr std::uint32_t kLabel4 = 369164299;    // 标签4: "Quorrel"
inline constexpr std::uint32_t kLabel3 = 369164298;    // 标签3: the note along the bottom
inline constexpr std::uint32_t kLabel2 = 369164295;    // 标签2: "身高："
inline constexpr std::uint32_t kEditBox1 = 369164294;  // 编辑框1: the shoe size typed in
inline constexpr std::uint32_t kEditBox2 = 369164293;  // 编辑框2: the height estimate shown
inline constexpr std::uint32_t kButton1 = 369164292;   // 按钮1: "biubiu"
inline constexpr std::uint32_t kLabel1 = 369164291;    // 标签1: "尺码："
}  // namespace main_window_unit

// The event 按钮1 raises when clicked, and the handler offset it is bound to:
// the height estimate's click handler.
inline constexpr std::int32_t kClickEvent = 0;
inline constexpr std::int32_t kEstimateClickHandlerOffset = 199;
