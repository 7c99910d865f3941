#include "floor_label.h"

namespace {

constexpr char kLabelClass[] = "FloorLabel";

void PaintLabel(HWND label) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(label, &ps);
  RECT clip;
  if (GetClipBox(dc, &clip) != NULLREGION) {
    RECT r;
    GetClientRect(label, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    char text[256];
    const int length = GetWindowTextA(label, text, sizeof text);
    if (length > 0) {
      HGDIOBJ old_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      const UINT align = static_cast<UINT>(GetWindowLongPtrA(label, GWLP_USERDATA));
      DrawTextA(dc, text, length, &r, DT_NOCLIP | DT_SINGLELINE | DT_VCENTER | align);
      SelectObject(dc, old_font);
    }
  }
  EndPaint(label, &ps);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PaintLabel(label);
    return 0;
  }
  return DefWindowProcA(label, message, wparam, lparam);
}

}  // namespace

const char* RegisterFloorLabelClass(HINSTANCE instance) {
  WNDCLASSA wc = {};
  if (!GetClassInfoA(instance, kLabelClass, &wc)) {
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = LabelProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = kLabelClass;
    RegisterClassA(&wc);
  }
  return kLabelClass;
}

void CentreFloorLabel(HWND label) { SetWindowLongPtrA(label, GWLP_USERDATA, DT_CENTER); }
