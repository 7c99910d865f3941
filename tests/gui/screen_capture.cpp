#include "screen_capture.h"

namespace gui {

ScreenCapture::ScreenCapture(RECT area) : area_(area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
      GdiFlush();
      const auto* first = static_cast<const std::uint32_t*>(bits);
      pixels_.assign(first, first + static_cast<std::size_t>(width) * height);
    }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

COLORREF ScreenCapture::At(POINT p) const {
  const int width = area_.right - area_.left;
  const int x = p.x - area_.left;
  const int y = p.y - area_.top;
  if (x < 0 || y < 0 || x >= width || y >= area_.bottom - area_.top) return CLR_INVALID;
  const std::uint32_t rgb = pixels_[static_cast<std::size_t>(y) * width + x];
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace gui
