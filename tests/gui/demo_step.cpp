// The run command's demonstration: finds Talvenor's window on this desktop,
// types a shoe size into the entry box, presses biubiu with the mouse and
// writes what the output box shows to a file. With --close it closes the
// window instead and waits for the program to end.
// Usage: talvenor_demo <result file> [size] | talvenor_demo --close
#include <windows.h>

#include <cstdio>
#include <string>

#include "estimate_steps.h"
#include "poll.h"
#include "window_texts.h"

namespace {

HWND FindTalvenorWindow() {
  HWND found = nullptr;
  gui::WaitUntil(
      [&] {
        found = FindWindowA(nullptr, expected_text::kCaption);
        return found && IsWindowVisible(found);
      },
      30000);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <result file> [size] | %s --close\n", argv[0], argv[0]);
    return 2;
  }
  gui::MainWindow main{FindTalvenorWindow()};
  if (!main.window) return 1;
  if (std::string(argv[1]) == "--close") {
    DWORD process_id = 0;
    GetWindowThreadProcessId(main.window, &process_id);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, process_id);
    PostMessageA(main.window, WM_CLOSE, 0, 0);
    const bool ended = process && WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
    if (process) CloseHandle(process);
    return ended ? 0 : 1;
  }
  const std::string size = argc > 2 ? argv[2] : "40";
  std::string shown = "(the size could not be typed)";
  if (gui::TypeShoeSize(main, size)) {
    shown = "(the button could not be pressed)";
    if (gui::PressButtonWithMouse(main)) {
      gui::WaitUntil([&] { return !gui::ReadOutput(main).empty(); });
      shown = gui::ReadOutput(main);
    }
  }
  if (std::FILE* result = std::fopen(argv[1], "wb")) {
    std::fprintf(result, "%s\n", shown.c_str());
    std::fclose(result);
  }
  return 0;
}
