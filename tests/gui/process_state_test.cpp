// The process state that Talvenor sets up at start-up, seen from outside:
// its current directory, its error mode, its hidden owner window, and an
// idle message loop that uses no processor time.
#include <gtest/gtest.h>

#include <cwchar>
#include <optional>
#include <string>

#include "launched_window.h"
#include "process_probe.h"
#include "window_probe.h"

namespace gui {
namespace {

class ProcessState : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(Launch(&launched_)); }
  TargetProcess& process() { return *launched_.process; }
  LaunchedWindow launched_;
};

std::wstring Widen(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(length > 0 ? length - 1 : 0);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  std::string narrow(text.size() * 2 + 1, '\0');
  const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), static_cast<int>(narrow.size()),
                                         nullptr, nullptr);
  narrow.resize(length > 0 ? length - 1 : 0);
  return narrow;
}

TEST_F(ProcessState, CurrentDirectoryIsTheProgramsDirectory) {
  const std::wstring launched_in = Widen(process().launch_directory()) + L"\\";
  const std::wstring expected = Widen(DirectoryOf(TargetExePath())) + L"\\";
  ASSERT_NE(_wcsicmp(launched_in.c_str(), expected.c_str()), 0) << "the test must start it elsewhere";
  const std::optional<std::wstring> directory = CurrentDirectoryOf(process().handle());
  ASSERT_TRUE(directory.has_value()) << "the current directory cannot be read";
  EXPECT_EQ(_wcsicmp(directory->c_str(), expected.c_str()), 0)
      << "current directory " << Narrow(*directory) << ", expected " << Narrow(expected) << ", started in "
      << Narrow(launched_in);
}

TEST_F(ProcessState, ErrorModeFailsCriticalErrorsAndOpenFileBoxesQuietly) {
  // Started with the system's default error mode (0), the program adds exactly these two.
  const std::optional<UINT> mode = ErrorModeOf(process().handle());
  ASSERT_TRUE(mode.has_value()) << "the error mode cannot be read";
  EXPECT_EQ(*mode, static_cast<UINT>(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) << std::hex << *mode;
}

TEST_F(ProcessState, HiddenOwnerWindowExistsAndStaysInvisible) {
  int owners = 0;
  for (HWND window : process().TopLevelWindows()) {
    if ((ExStyle(window) & WS_EX_TOOLWINDOW) && !IsWindowVisible(window) && GetWindowTextLengthA(window) == 0 &&
        !GetWindow(window, GW_OWNER)) {
      ++owners;
      // Asked for at (0, 0) with size 0; the system raises a captioned
      // window's size to its minimum, so only the place is checked.
      RECT r;
      GetWindowRect(window, &r);
      EXPECT_EQ(r.left, 0) << "hidden owner window " << ClassName(window);
      EXPECT_EQ(r.top, 0) << "hidden owner window " << ClassName(window);
    }
  }
  EXPECT_EQ(owners, 1);
  // The main window has no owner: it has a taskbar button of its own.
  EXPECT_EQ(GetWindow(launched_.main.window, GW_OWNER), nullptr);
}

TEST_F(ProcessState, IdleWindowUsesNoProcessorTime) {
  // Wine's own housekeeping in the process may take a few ticks now and then:
  // the idle program must show at least one quiet stretch of 3 seconds in four.
  const std::string exe = TargetExePath();
  std::optional<unsigned long long> before = UnixProcessorTicks(exe);
  if (!before) GTEST_SKIP() << "the processor time of " << exe << " cannot be read here";
  unsigned long long fewest = ~0ull;
  for (int stretch = 0; stretch < 4 && fewest > 0; ++stretch) {
    Sleep(3000);  // the measured stretch itself, not a wait for an effect
    const std::optional<unsigned long long> after = UnixProcessorTicks(exe);
    ASSERT_TRUE(after.has_value());
    if (*after - *before < fewest) fewest = *after - *before;
    before = after;
  }
  EXPECT_EQ(fewest, 0u) << "clock ticks used in the quietest 3 seconds";
}

}  // namespace
}  // namespace gui
