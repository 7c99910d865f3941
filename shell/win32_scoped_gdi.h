// Scoped owners for every device context and GDI/USER object the shell
// creates or selects, so that painting code cannot leak one on an early
// return. Each wrapper that creates or acquires an object counts it in the
// shell state while it holds it, which lets tests check the balance (the
// system's own object counters are not available everywhere).
#pragma once

#include <windows.h>

#include <utility>

#include "shell_state.h"

namespace scoped {

inline void CountAcquired(bool acquired) {
  if (acquired) ++Shell().live_system_objects;
}
inline void CountReleased() { --Shell().live_system_objects; }

// GetDC / ReleaseDC.
class ClientDc {
 public:
  explicit ClientDc(HWND window) : window_(window), dc_(::GetDC(window)) { CountAcquired(dc_ != nullptr); }
  ~ClientDc() {
    if (dc_ != nullptr) {
      ::ReleaseDC(window_, dc_);
      CountReleased();
    }
  }
  ClientDc(const ClientDc&) = delete;
  ClientDc& operator=(const ClientDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// GetWindowDC / ReleaseDC: the whole window, frame included.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetWindowDC(window)) { CountAcquired(dc_ != nullptr); }
  ~WindowDc() {
    if (dc_ != nullptr) {
      ::ReleaseDC(window_, dc_);
      CountReleased();
    }
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class Paint {
 public:
  explicit Paint(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) { CountAcquired(dc_ != nullptr); }
  ~Paint() {
    ::EndPaint(window_, &paint_);
    if (dc_ != nullptr) CountReleased();
  }
  Paint(const Paint&) = delete;
  Paint& operator=(const Paint&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// SelectObject, with the previous object selected back at the end.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~Selection() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A GDI object the shell created (brush, font, region): DeleteObject at the end.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) { CountAcquired(handle_ != nullptr); }
  ~GdiObject() { reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  void reset() {
    if (handle_ != nullptr) {
      ::DeleteObject(handle_);
      CountReleased();
      handle_ = nullptr;
    }
  }

 private:
  Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;

// An icon loaded without LR_SHARED: DestroyIcon at the end.
class Icon {
 public:
  Icon() = default;
  explicit Icon(HICON icon) : icon_(icon) { CountAcquired(icon_ != nullptr); }
  ~Icon() { reset(); }
  Icon(Icon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  Icon& operator=(Icon&& other) noexcept {
    if (this != &other) {
      reset();
      icon_ = std::exchange(other.icon_, nullptr);
    }
    return *this;
  }
  Icon(const Icon&) = delete;
  Icon& operator=(const Icon&) = delete;

  HICON get() const { return icon_; }
  void reset() {
    if (icon_ != nullptr) {
      ::DestroyIcon(icon_);
      CountReleased();
      icon_ = nullptr;
    }
  }

 private:
  HICON icon_ = nullptr;
};

}  // namespace scoped
