#include "user_input.h"

#include <vector>

#include "poll.h"

namespace gui {

namespace {

INPUT Key(WORD vk, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT Mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  return input;
}

bool Send(std::vector<INPUT> inputs) {
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

// Absolute mouse coordinates run from 0 to 65535 across the primary screen.
LONG Normalised(int pixel, int screen_size) {
  return static_cast<LONG>((pixel * 65536 + screen_size - 1) / screen_size);
}

// A character that the keyboard layout has no key for, sent as itself.
bool SendCharacter(char c) {
  INPUT down = {};
  down.type = INPUT_KEYBOARD;
  down.ki.wScan = static_cast<unsigned char>(c);
  down.ki.dwFlags = KEYEVENTF_UNICODE;
  INPUT up = down;
  up.ki.dwFlags |= KEYEVENTF_KEYUP;
  return Send({down, up});
}

}  // namespace

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; });
}

bool ClickAt(POINT p) {
  const LONG dx = Normalised(p.x, GetSystemMetrics(SM_CXSCREEN));
  const LONG dy = Normalised(p.y, GetSystemMetrics(SM_CYSCREEN));
  if (!Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy)})) return false;
  const bool arrived = WaitUntil([&] {
    POINT now;
    return GetCursorPos(&now) && now.x == p.x && now.y == p.y;
  });
  return arrived && Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

bool TypeAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
    const SHORT scan = VkKeyScanA(c);
    // Wine's layout for this locale lacks a few keys, such as the parentheses.
    if (scan == -1) {
      if (!SendCharacter(c)) return false;
      continue;
    }
    const WORD vk = LOBYTE(scan);
    const bool shift = (HIBYTE(scan) & 1) != 0;
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(Key(VK_SHIFT, false));
    inputs.push_back(Key(vk, false));
    inputs.push_back(Key(vk, true));
    if (shift) inputs.push_back(Key(VK_SHIFT, true));
    if (!Send(inputs)) return false;
  }
  return true;
}

bool PressChord(std::initializer_list<WORD> virtual_keys) {
  std::vector<INPUT> inputs;
  for (WORD vk : virtual_keys) inputs.push_back(Key(vk, false));
  for (auto it = virtual_keys.end(); it != virtual_keys.begin();) inputs.push_back(Key(*--it, true));
  return Send(inputs);
}

}  // namespace gui
