#include "gbk_typing.h"

#include "estimate_steps.h"
#include "poll.h"
#include "user_input.h"
#include "window_probe.h"

namespace gui {

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Commits the text typed so far plus one double-byte character and puts the
// caret after it. Under this Wine a double-byte character typed into another
// process's box arrives as "??" whichever way it is sent: WM_CHAR posted with
// the lead and the trail byte, WM_IME_CHAR posted with both, or SendInput with
// KEYEVENTF_UNICODE. WM_SETTEXT carries it intact, so the commit goes that way.
bool CommitDoubleByte(HWND box, const std::string& text) {
  if (!SetWindowTextRemote(box, text)) return false;
  DWORD_PTR ignored = 0;
  const auto end = static_cast<WPARAM>(text.size());
  return SendMessageTimeoutA(box, EM_SETSEL, end, static_cast<LPARAM>(end), SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

}  // namespace

bool TypeGbkIntoBox(const MainWindow& main, HWND box, const std::string& gbk) {
  if (!TypeIntoBox(main, box, "")) return false;
  std::string typed;
  for (std::size_t i = 0; i < gbk.size();) {
    if (IsLeadByte(static_cast<unsigned char>(gbk[i]))) {
      if (i + 1 >= gbk.size()) return false;
      typed.append(gbk, i, 2);
      if (!CommitDoubleByte(box, typed)) return false;
      i += 2;
    } else {
      if (!TypeAscii(std::string(1, gbk[i]))) return false;
      typed += gbk[i];
      ++i;
    }
    if (!WaitUntil([&] { return WindowText(box) == typed; })) return false;
  }
  return true;
}

}  // namespace gui
