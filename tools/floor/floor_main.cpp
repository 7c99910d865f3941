// The floor program: the plainest Win32 code that shows the same window as
// Talvenor (caption, size, styles, the seven controls with their ids, texts,
// places, stacking and font) and answers the button with ((S + 10) / 2) * 7.
// It is the reference that Talvenor's start-up, memory and click costs are
// measured against, and a stand-in target for the window driver's own checks.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "floor_edit.h"
#include "floor_label.h"
#include "floor_texts.h"

namespace {

constexpr char kWindowClass[] = "FloorWindow";
constexpr int kWidth = 421;
constexpr int kHeight = 156;
constexpr int kEntryId = 130;
constexpr int kOutputId = 120;
constexpr int kButtonId = 110;

struct Control {
  const char* text;
  int id, left, top, width, height;
  enum Kind { kLabel, kCentredLabel, kEdit, kButton } kind;
};

// In creation order, which is also the order of the ids; once all exist they
// are stacked the other way round, the last created on top.
constexpr Control kControls[] = {
    {floor_text::kSizeLabel, 100, 24, 16, 48, 40, Control::kLabel},
    {floor_text::kButton, kButtonId, 296, 40, 104, 32, Control::kButton},
    {"", kOutputId, 71, 64, 200, 32, Control::kEdit},
    {"", kEntryId, 72, 24, 200, 32, Control::kEdit},
    {floor_text::kHeightLabel, 140, 25, 56, 48, 40, Control::kLabel},
    {floor_text::kNote, 150, 26, 104, 232, 16, Control::kLabel},
    {floor_text::kName, 160, 304, 88, 88, 32, Control::kCentredLabel},
};
constexpr int kControlCount = sizeof kControls / sizeof kControls[0];

void Estimate(HWND window) {
  char entry[512];
  GetDlgItemTextA(window, kEntryId, entry, sizeof entry);
  const double height = ((std::strtod(entry, nullptr) + 10.0) / 2.0) * 7.0;
  char output[64];
  std::snprintf(output, sizeof output, "%.13g CM", height);
  SetDlgItemTextA(window, kOutputId, output);
}

void PaintBackground(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
  EndPaint(window, &ps);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      PaintBackground(window);
      return 0;
    case WM_SETFOCUS:
      SetFocus(GetDlgItem(window, kButtonId));
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == kButtonId && HIWORD(wparam) == BN_CLICKED) Estimate(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

HWND CreateMainWindow(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  constexpr DWORD kStyle = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  return CreateWindowExA(0, kWindowClass, floor_text::kCaption, kStyle, left, top, kWidth, kHeight, nullptr, nullptr,
                         instance, nullptr);
}

HWND CreateControl(HWND window, HINSTANCE instance, const Control& c, HFONT font) {
  constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
  const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id));
  HWND control = nullptr;
  switch (c.kind) {
    case Control::kEdit:
      control = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", c.text, kChild | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT,
                                c.left, c.top, c.width, c.height, window, id, instance, nullptr);
      MakeFloorEdit(control, font);
      break;
    case Control::kButton:
      control = CreateWindowExA(0, "BUTTON", c.text,
                                kChild | WS_TABSTOP | BS_MULTILINE | BS_CENTER | BS_VCENTER | BS_PUSHBUTTON, c.left,
                                c.top, c.width, c.height, window, id, instance, nullptr);
      SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      break;
    case Control::kLabel:
    case Control::kCentredLabel:
      control = CreateWindowExA(0, RegisterFloorLabelClass(instance), c.text, kChild, c.left, c.top, c.width, c.height,
                                window, id, instance, nullptr);
      if (c.kind == Control::kCentredLabel) CentreFloorLabel(control);
      break;
  }
  return control;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND window = CreateMainWindow(instance);
  if (!window) return 1;
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  HWND controls[kControlCount];
  for (int i = 0; i < kControlCount; ++i) {
    controls[i] = CreateControl(window, instance, kControls[i], font);
    if (!controls[i]) return 1;
  }
  // Last created on top, each earlier one directly below the one after it.
  constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(controls[kControlCount - 1], HWND_TOP, 0, 0, 0, 0, kKeep);
  for (int i = kControlCount - 2; i >= 0; --i) SetWindowPos(controls[i], controls[i + 1], 0, 0, 0, 0, kKeep);
  for (HWND control : controls) ShowWindow(control, SW_SHOWNA);
  ShowWindow(window, SW_SHOW);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Esc anywhere in the window closes it.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      SendMessageA(window, WM_CLOSE, 0, 0);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
