// A fatal error as the user meets it: exactly one box captioned 错误 with the
// error icon, one OK button and the error's text; after OK the process ends
// with exit code -1 and the program's clean-up leaves no trace.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "estimate_steps.h"
#include "target_process.h"
#include "user_input.h"
#include "window_probe.h"
#include "window_texts.h"

namespace gui {
namespace {

struct FatalCase {
  const char* name;      // as given in TALVENOR_FATAL_CASE
  std::string box_text;  // the whole text of the box
};

const std::string kHeading = std::string(expected_text::kRuntimeError) + "\r\n\r\n";

// The usual box: error number 0, so no error code line, then the error text.
std::string WithMessage(const char* message) { return kHeading + expected_text::kErrorMessage + message + "\r\n"; }

const FatalCase kFatalCases[] = {
    {"truncated_descriptions", WithMessage(expected_text::kDescriptionsUnreadable)},
    {"missing_start_window", WithMessage(expected_text::kStartWindowFailed)},
    {"window_block_version_7", WithMessage(expected_text::kStartWindowFailed)},
    {"heap_refuses_40_bytes", WithMessage(expected_text::kAllocation40Failed)},
    {"error_number_7", kHeading + expected_text::kErrorCode + "7\r\n\r\n" + expected_text::kErrorMessage +
                           expected_text::kStartWindowFailed + "\r\n"},
    // Neither a number nor a text: the heading and its two line breaks only.
    {"empty_text", kHeading},
};

std::optional<FatalCase> CaseFromEnvironment() {
  char name[64] = "";
  GetEnvironmentVariableA("TALVENOR_FATAL_CASE", name, sizeof name);
  for (const FatalCase& c : kFatalCases) {
    if (std::string(name) == c.name) return c;
  }
  return std::nullopt;
}

std::set<std::string> FilesIn(const std::string& directory) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.insert(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::vector<HWND> VisibleWindows(const TargetProcess& process) {
  std::vector<HWND> visible;
  for (HWND window : process.TopLevelWindows()) {
    if (IsWindowVisible(window)) visible.push_back(window);
  }
  return visible;
}

TEST(FatalErrorBox, ShowsTheErrorOnceAndEndsWithExitCodeMinusOne) {
  const std::optional<FatalCase> fatal = CaseFromEnvironment();
  ASSERT_TRUE(fatal.has_value()) << "TALVENOR_FATAL_CASE names no known case";
  const std::string exe = TargetExePath();
  ASSERT_FALSE(exe.empty()) << "TALVENOR_GUI_TARGET names no program";
  const std::set<std::string> files_before = FilesIn(DirectoryOf(exe));

  TargetProcess process(exe);
  ASSERT_TRUE(process.started()) << exe;
  HWND box = process.WaitForVisibleWindow();
  ASSERT_NE(box, nullptr) << fatal->name << ": no box";
  ASSERT_EQ(WaitForInputIdle(process.handle(), 10000), 0u);
  EXPECT_EQ(VisibleWindows(process).size(), 1u) << fatal->name << ": one box and nothing else";

  char caption[64];
  const int caption_length = GetWindowTextA(box, caption, sizeof caption);
  EXPECT_EQ(std::string(caption, caption_length > 0 ? caption_length : 0), expected_text::kErrorCaption);

  std::vector<HWND> buttons, icons, texts;
  for (HWND child : ChildrenTopDown(box)) {
    if (!IsWindowVisible(child)) continue;
    const std::string kind = ClassName(child);
    if (lstrcmpiA(kind.c_str(), "Button") == 0) buttons.push_back(child);
    if (lstrcmpiA(kind.c_str(), "Static") == 0) {
      ((Style(child) & SS_TYPEMASK) == SS_ICON ? icons : texts).push_back(child);
    }
  }
  ASSERT_EQ(buttons.size(), 1u) << fatal->name << ": MB_OK has one button";
  const std::string ok = WindowText(buttons[0]);
  EXPECT_TRUE(ok == "OK" || ok == "&OK" || ok == expected_text::kOkChinese) << ok;
  EXPECT_EQ(ControlId(buttons[0]), IDOK);
  EXPECT_EQ(icons.size(), 1u) << fatal->name << ": MB_ICONERROR shows an icon";
  ASSERT_EQ(texts.size(), 1u) << fatal->name;
  EXPECT_EQ(WindowText(texts[0]), fatal->box_text) << fatal->name;

  ASSERT_TRUE(BringToFront(box));
  ASSERT_TRUE(ClickAt(Centre(buttons[0])));
  const std::optional<DWORD> code = process.WaitForExit();
  ASSERT_TRUE(code.has_value()) << fatal->name << ": still running after OK";
  EXPECT_EQ(*code, 0xFFFFFFFFu) << fatal->name;
  // The program's clean-up routine would have left a file beside the program or where it was started.
  EXPECT_EQ(FilesIn(DirectoryOf(exe)), files_before) << fatal->name;
  EXPECT_EQ(FilesIn(process.launch_directory()), (std::set<std::string>{".", ".."})) << fatal->name;
}

}  // namespace
}  // namespace gui
