// The pixels on the screen, as the user sees them, copied from the screen's
// device context into memory.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace gui {

class ScreenCapture {
 public:
  // Copies the screen rectangle `area`; ok() tells whether that worked.
  explicit ScreenCapture(RECT area);

  bool ok() const { return !pixels_.empty(); }
  // The colour at a screen point inside the captured area, as 0x00BBGGRR.
  COLORREF At(POINT screen_point) const;

 private:
  RECT area_;
  std::vector<std::uint32_t> pixels_;  // top-down rows of 0x00RRGGBB
};

}  // namespace gui
