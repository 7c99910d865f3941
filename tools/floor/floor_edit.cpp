#include "floor_edit.h"

namespace {

constexpr char kOldProc[] = "FloorEditProc";

WNDPROC OldProc(HWND edit) { return reinterpret_cast<WNDPROC>(GetPropA(edit, kOldProc)); }

int TextLineHeight(HWND edit) {
  HDC dc = GetDC(edit);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  SIZE size = {};
  GetTextExtentPoint32A(dc, "W", 1, &size);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  return size.cy;
}

// Client band and window rectangle, both in window coordinates.
void BandAndWindow(HWND edit, RECT* band, RECT* window) {
  GetWindowRect(edit, window);
  GetClientRect(edit, band);
  MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(band), 2);
  OffsetRect(band, -window->left, -window->top);
  OffsetRect(window, -window->left, -window->top);
}

void PaintOutsideBand(HWND edit) {
  RECT band, window;
  BandAndWindow(edit, &band, &window);
  HDC dc = GetWindowDC(edit);
  ExcludeClipRect(dc, band.left, band.top, band.right, band.bottom);
  FillRect(dc, &window, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ReleaseDC(edit, dc);
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  WNDPROC old = OldProc(edit);
  switch (message) {
    case WM_NCCALCSIZE: {
      const LRESULT result = CallWindowProcA(old, edit, message, wparam, lparam);
      RECT* r = wparam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0] : reinterpret_cast<RECT*>(lparam);
      const int h = TextLineHeight(edit);
      r->top += (r->bottom - r->top - h) / 2;
      r->bottom = r->top + h;
      return result;
    }
    case WM_NCPAINT:
      PaintOutsideBand(edit);
      break;
    case WM_NCHITTEST: {
      const POINT p = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      RECT window, band;
      GetWindowRect(edit, &window);
      GetClientRect(edit, &band);
      MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&band), 2);
      if (PtInRect(&window, p) && !PtInRect(&band, p)) return HTBORDER;
      break;
    }
    case WM_NCDESTROY:
      RemovePropA(edit, kOldProc);
      break;
    default:
      break;
  }
  return CallWindowProcA(old, edit, message, wparam, lparam);
}

}  // namespace

void MakeFloorEdit(HWND edit, HFONT font) {
  // The old procedure is stored before the new one can be called.
  SetPropA(edit, kOldProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(edit, GWLP_WNDPROC)));
  SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc));
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
