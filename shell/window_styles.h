// The Windows style and drawing constants that the portable style arithmetic
// uses, with their Windows values, so that the decisions stay free of
// <windows.h>. The Windows side checks each against the system headers.
#pragma once

#include <cstdint>

namespace style {
// Window styles.
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kMinimize = 0x20000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kClipSiblings = 0x04000000;
inline constexpr std::uint32_t kClipChildren = 0x02000000;
inline constexpr std::uint32_t kMaximize = 0x01000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kDlgFrame = 0x00400000;
inline constexpr std::uint32_t kVScroll = 0x00200000;
inline constexpr std::uint32_t kHScroll = 0x00100000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kThickFrame = 0x00040000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kTabStop = 0x00010000;

// Extended window styles.
inline constexpr std::uint32_t kExDlgModalFrame = 0x00000001;
inline constexpr std::uint32_t kExToolWindow = 0x00000080;
inline constexpr std::uint32_t kExClientEdge = 0x00000200;
inline constexpr std::uint32_t kExStaticEdge = 0x00020000;

// Edit control styles.
inline constexpr std::uint32_t kEditCenter = 0x0001;
inline constexpr std::uint32_t kEditRight = 0x0002;
inline constexpr std::uint32_t kEditMultiLine = 0x0004;
inline constexpr std::uint32_t kEditUpperCase = 0x0008;
inline constexpr std::uint32_t kEditLowerCase = 0x0010;
inline constexpr std::uint32_t kEditPassword = 0x0020;
inline constexpr std::uint32_t kEditAutoVScroll = 0x0040;
inline constexpr std::uint32_t kEditAutoHScroll = 0x0080;
inline constexpr std::uint32_t kEditNoHideSel = 0x0100;
inline constexpr std::uint32_t kEditReadOnly = 0x0800;
inline constexpr std::uint32_t kEditWantReturn = 0x1000;

// Button control styles.
inline constexpr std::uint32_t kButtonPush = 0x0000;
inline constexpr std::uint32_t kButtonDefPush = 0x0001;
inline constexpr std::uint32_t kButtonIcon = 0x0040;
inline constexpr std::uint32_t kButtonBitmap = 0x0080;
inline constexpr std::uint32_t kButtonLeft = 0x0100;
inline constexpr std::uint32_t kButtonRight = 0x0200;
inline constexpr std::uint32_t kButtonCenter = 0x0300;
inline constexpr std::uint32_t kButtonTop = 0x0400;
inline constexpr std::uint32_t kButtonBottom = 0x0800;
inline constexpr std::uint32_t kButtonVCenter = 0x0C00;
inline constexpr std::uint32_t kButtonMultiLine = 0x2000;
}  // namespace style

namespace draw_text {
inline constexpr std::uint32_t kCenter = 0x0001;
inline constexpr std::uint32_t kRight = 0x0002;
inline constexpr std::uint32_t kVCenter = 0x0004;
inline constexpr std::uint32_t kBottom = 0x0008;
inline constexpr std::uint32_t kWordBreak = 0x0010;
inline constexpr std::uint32_t kSingleLine = 0x0020;
inline constexpr std::uint32_t kNoClip = 0x0100;
}  // namespace draw_text
