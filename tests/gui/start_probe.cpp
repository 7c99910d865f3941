// Measures starts of window programs for the Wine benchmarks, interleaved
// round by round in this one process, and prints one line per start:
//   program=<index of the exe on the command line>
//   start_ms=<CreateProcess until the window is visible>
//   working_set_kb=<working set once start-up is over>
//   idle_ticks=<Unix clock ticks used over the idle stretch, or -1>
//   click_us=<median set-text/click/get-text round trip, or -1 when the
//             output box does not show the expected estimate>
//   exit=<exit code after WM_CLOSE>
// Usage: talvenor_start_probe <rounds> <idle rounds> <idle seconds> <clicks> <exe>...
// The first <idle rounds> rounds also measure the idle stretch.
#include <windows.h>
// After windows.h, which defines its types.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "main_window.h"
#include "poll.h"
#include "process_probe.h"
#include "target_process.h"
#include "window_probe.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

// Median set-text/click/get-text round trip in microseconds, or -1 when the
// click does not produce the expected estimate.
double ClickRoundTrip(const gui::MainWindow& main, int rounds) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const LARGE_INTEGER start = Now();
    if (!gui::SetWindowTextRemote(main.entry_box(), "40") || !gui::ClickButtonRemote(main.button())) return -1;
    const std::string shown = gui::WindowText(main.output_box());
    times.push_back(Seconds(start, Now()) * 1e6);
    if (shown != "175 CM") return -1;
    gui::SetWindowTextRemote(main.output_box(), "");
  }
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

// One start of `exe`: its figures on one line, or a reason on stderr.
bool MeasureOneStart(int index, const std::string& exe, int idle_seconds, int click_rounds) {
  const LARGE_INTEGER start = Now();
  gui::TargetProcess process(exe);
  if (!process.started()) {
    std::fprintf(stderr, "cannot start %s\n", exe.c_str());
    return false;
  }
  gui::MainWindow main;
  gui::WaitUntil(
      [&] {
        for (HWND window : process.TopLevelWindows()) {
          if (IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) main.window = window;
        }
        return main.window != nullptr;
      },
      20000);
  const double start_ms = Seconds(start, Now()) * 1e3;
  if (!main.window || WaitForInputIdle(process.handle(), 10000) != 0) {
    std::fprintf(stderr, "%s showed no window\n", exe.c_str());
    return false;
  }

  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.handle(), &memory, sizeof memory);

  long long idle_ticks = -1;
  if (idle_seconds > 0) {
    const std::optional<unsigned long long> before = gui::UnixProcessorTicks(exe);
    Sleep(static_cast<DWORD>(idle_seconds) * 1000);  // the measured idle stretch
    const std::optional<unsigned long long> after = gui::UnixProcessorTicks(exe);
    if (before && after) idle_ticks = static_cast<long long>(*after - *before);
  }

  const double click_us = click_rounds > 0 ? ClickRoundTrip(main, click_rounds) : -1;

  PostMessageA(main.window, WM_CLOSE, 0, 0);
  const std::optional<DWORD> exit_code = process.WaitForExit(10000);
  std::printf("program=%d start_ms=%.2f working_set_kb=%llu idle_ticks=%lld click_us=%.1f exit=%ld\n", index, start_ms,
              static_cast<unsigned long long>(memory.WorkingSetSize / 1024), idle_ticks, click_us,
              exit_code ? static_cast<long>(*exit_code) : -999L);
  std::fflush(stdout);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: %s <rounds> <idle rounds> <idle seconds> <clicks> <exe>...\n", argv[0]);
    return 2;
  }
  const int rounds = std::atoi(argv[1]);
  const int idle_rounds = std::atoi(argv[2]);
  const int idle_seconds = std::atoi(argv[3]);
  const int clicks = std::atoi(argv[4]);
  int failures = 0;
  for (int round = 0; round < rounds; ++round) {
    for (int i = 5; i < argc; ++i) {
      if (!MeasureOneStart(i - 5, gui::ToWindowsPath(argv[i]), round < idle_rounds ? idle_seconds : 0, clicks)) {
        ++failures;
      }
    }
  }
  return failures == 0 ? 0 : 1;
}
