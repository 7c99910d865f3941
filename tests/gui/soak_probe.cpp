// A long run of one program start for the Wine benchmarks: many presses of
// the button with entry texts cycled from a table of known estimates, each
// output checked, memory read at the start, along the way and at the end.
// Prints "press=<n> working_set_kb=<..> private_kb=<..> unix_rss_kb=<..>"
// lines, then "failures=<n> presses=<n> seconds=<..>".
// Usage: talvenor_soak_probe <presses> <exe>
#include <windows.h>
// After windows.h, which defines its types.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "main_window.h"
#include "process_probe.h"
#include "target_process.h"
#include "window_probe.h"

namespace {

struct KnownEstimate {
  const char* entry;  // code page 936 bytes
  const char* shown;
};

// Neighbours differ in their estimates, so a press that changed nothing shows.
const KnownEstimate kCycle[] = {
    {"40", "175 CM"},
    {"41", "178.5 CM"},
    {"", "35 CM"},
    {"40.3", "176.05 CM"},
    {"-20", "-35 CM"},
    {"\xA3\xB4\xA3\xB0", "175 CM"},  // full-width "４０"
    {"abc", "35 CM"},
    {"1e400", "1.#INF CM"},
    {"-10", "0 CM"},
    {"2.857142857142857e13", "1e+014 CM"},
    {"0.0000001", "35.00000035 CM"},
    {"-1e400", "-1.#INF CM"},
    {"42.5", "183.75 CM"},
    {"\xA3\xAD"
     "20",
     "-35 CM"},  // full-width minus
    {"39", "171.5 CM"},
    {"-10.000000000000002", "-6.217248937901e-015 CM"},
};
constexpr int kCycleLength = static_cast<int>(sizeof kCycle / sizeof kCycle[0]);

void PrintMemory(int press, HANDLE process, const std::string& exe) {
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  const std::optional<unsigned long long> rss = gui::UnixResidentKb(exe);
  std::printf("press=%d working_set_kb=%llu private_kb=%llu unix_rss_kb=%lld\n", press,
              static_cast<unsigned long long>(memory.WorkingSetSize / 1024),
              static_cast<unsigned long long>(memory.PrivateUsage / 1024), rss ? static_cast<long long>(*rss) : -1LL);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <presses> <exe>\n", argv[0]);
    return 2;
  }
  const int presses = std::atoi(argv[1]);
  const std::string exe = gui::ToWindowsPath(argv[2]);
  gui::TargetProcess process(exe);
  gui::MainWindow main;
  main.window = process.started() ? process.WaitForVisibleWindow() : nullptr;
  if (!main.window || WaitForInputIdle(process.handle(), 10000) != 0) {
    std::fprintf(stderr, "%s showed no window\n", exe.c_str());
    return 1;
  }
  const ULONGLONG start = GetTickCount64();
  PrintMemory(0, process.handle(), exe);
  int failures = 0;
  for (int press = 1; press <= presses; ++press) {
    const KnownEstimate& row = kCycle[press % kCycleLength];
    const bool sent = gui::SetWindowTextRemote(main.entry_box(), row.entry) && gui::ClickButtonRemote(main.button());
    const std::string shown = gui::WindowText(main.output_box());
    if (!sent || shown != row.shown) {
      if (++failures <= 10)
        std::fprintf(stderr, "press %d: entry \"%s\" showed \"%s\"\n", press, row.entry, shown.c_str());
    }
    if (press % 2000 == 0) PrintMemory(press, process.handle(), exe);
  }
  const double seconds = static_cast<double>(GetTickCount64() - start) / 1000.0;
  PostMessageA(main.window, WM_CLOSE, 0, 0);
  const std::optional<DWORD> exit_code = process.WaitForExit(10000);
  std::printf("failures=%d presses=%d seconds=%.1f exit=%ld\n", failures, presses, seconds,
              exit_code ? static_cast<long>(*exit_code) : -999L);
  return failures == 0 ? 0 : 1;
}
