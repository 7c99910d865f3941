// What the window and control creators share.
#include "win32_control.h"

#include <cstring>

#include "control_styles.h"
#include "event_delivery.h"

bool RegisterShellClass(const char* class_name, WNDPROC procedure) {
  const HINSTANCE module = ::GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (::GetClassInfoA(module, class_name, &existing) != FALSE) return true;
  WNDCLASSA window_class{};
  window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = module;
  window_class.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
  window_class.lpszClassName = class_name;
  return ::RegisterClassA(&window_class) != 0;
}

void ApplyControlBorder(HWND control, std::int32_t border) {
  const WindowStyles added = ControlBorderStyles(border);
  if (added.style == 0 && added.ex_style == 0) return;
  const auto style = static_cast<std::uint32_t>(::GetWindowLongPtrA(control, GWL_STYLE));
  const auto ex_style = static_cast<std::uint32_t>(::GetWindowLongPtrA(control, GWL_EXSTYLE));
  ::SetWindowLongPtrA(control, GWL_STYLE, static_cast<LONG_PTR>(style | added.style));
  ::SetWindowLongPtrA(control, GWL_EXSTYLE, static_cast<LONG_PTR>(ex_style | added.ex_style));
  ::SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT CreateDescriptionFont(const std::optional<FontRecord>& font) {
  static_assert(sizeof(LOGFONTA) == kFontRecordSize, "a stored font is one LOGFONTA record");
  if (!font) return nullptr;
  LOGFONTA record{};
  std::memcpy(&record, font->data(), sizeof record);
  record.lfFaceName[LF_FACESIZE - 1] = '\0';  // the stored name need not be terminated
  record.lfCharSet = DEFAULT_CHARSET;
  record.lfOutPrecision = OUT_DEFAULT_PRECIS;
  record.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  record.lfQuality = PROOF_QUALITY;
  record.lfPitchAndFamily = DEFAULT_PITCH;
  return ::CreateFontIndirectA(&record);
}

void RaiseControlEvent(std::uint32_t window, std::uint32_t unit, std::int32_t event) {
  EventNotice notice = MakeEventNotice(window, unit, event);
  RaiseEvent(notice);
}
