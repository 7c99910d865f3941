// The portable start-up steps: the program's path split, its data installed,
// its handlers bound, and the fatal error for data that cannot be used.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "description_writer.h"
#include "gbk_text.h"
#include "handler_binding.h"
#include "main_window_description.h"
#include "program_setup.h"
#include "shell_fixture.h"

namespace {

struct PathRow {
  std::string path;
  std::string directory;
  std::string file_name;
};

class ProgramPathSplit : public ::testing::TestWithParam<PathRow> {};

TEST_P(ProgramPathSplit, AtTheLastBackslash) {
  const ProgramPath split = SplitProgramPath(GetParam().path);
  EXPECT_EQ(split.directory, GetParam().directory) << "path=" << GetParam().path;
  EXPECT_EQ(split.file_name, GetParam().file_name) << "path=" << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ProgramPathSplit,
    ::testing::Values(PathRow{"C:\\Programs\\Talvenor\\Talvenor.exe", "C:\\Programs\\Talvenor", "Talvenor.exe"},
                      PathRow{"Talvenor.exe", "", "Talvenor.exe"}, PathRow{"C:\\Talvenor.exe", "C:", "Talvenor.exe"},
                      PathRow{"\\\\server\\share\\t.exe", "\\\\server\\share", "t.exe"},
                      PathRow{"C:\\dir\\", "C:\\dir", ""},
                      // "\xD5\x5C" is one double-byte character whose second byte is a backslash.
                      PathRow{"C:\\\xD5\x5C\\t.exe", "C:\\\xD5\x5C", "t.exe"},
                      PathRow{"C:\\a\xD5\x5C"
                              "b.exe",
                              "C:",
                              "a\xD5\x5C"
                              "b.exe"},
                      PathRow{"C:\\x\\\xD5", "C:\\x", "\xD5"}));  // a lone lead byte at the end

HandlerResult Click(const std::int32_t*, std::int32_t) { return {}; }
HandlerResult Other(const std::int32_t*, std::int32_t) { return {}; }

constexpr std::array<HandlerEntry, 2> kHandlers = {{{5, &Other}, {199, &Click}}};

ProgramData Data(std::span<const unsigned char> stored) {
  ProgramData program;
  program.descriptions = stored;
  program.handlers = kHandlers;
  static const unsigned char constants[29] = {};
  program.constants_begin = constants;
  program.constants_size = sizeof constants;
  return program;
}

class ProgramInstall : public ShellTest {};

TEST_F(ProgramInstall, MainWindowGetsItsOneBinding) {
  InstallProgramData(Shell(), Data(MainWindowStoredForm()));
  const ShellState& shell = Shell();
  ASSERT_EQ(shell.windows.size(), 1u);
  EXPECT_EQ(shell.windows[0].window_number, 1375797249u);
  int bound = 0;
  for (const DescriptionRecord& record : shell.windows[0].records) {
    for (const EventBinding& binding : record.event_bindings) {
      EXPECT_EQ(record.unit_number, 369164292u);
      EXPECT_EQ(binding.handler, &Click);
      ++bound;
    }
  }
  EXPECT_EQ(bound, 1);
  EXPECT_EQ(shell.constants_size, 29u);
}

TEST(HandlerBinding, MinusOneIsNoHandlerAndUnknownOffsetsFail) {
  std::vector<WindowDescription> windows = MainWindowDescriptions();
  DescriptionRecord& window_record = windows[0].records[0];
  window_record.event_bindings = {{7, -1, &Other}, {1, 5, nullptr}};
  ASSERT_TRUE(BindEventHandlers(windows, kHandlers));
  EXPECT_EQ(window_record.event_bindings[0].handler, nullptr);
  EXPECT_EQ(window_record.event_bindings[1].handler, &Other);

  window_record.event_bindings.push_back({2, 200, nullptr});
  EXPECT_FALSE(BindEventHandlers(windows, kHandlers));
  constexpr std::array<HandlerEntry, 1> kNullRoutine = {{{199, nullptr}}};
  std::vector<WindowDescription> main = MainWindowDescriptions();
  EXPECT_FALSE(BindEventHandlers(main, kNullRoutine)) << "a listed offset without a routine names nothing";
}

// Under Windows the error box would wait for a user: the fatal paths are
// checked on the native stand-ins only.
#ifndef _WIN32
struct UnusableRow {
  const char* what;
  std::vector<unsigned char> stored;
};

std::vector<unsigned char> Truncated() {
  const std::span<const unsigned char> whole = MainWindowStoredForm();
  return {whole.begin(), whole.end() - 1};
}

std::vector<unsigned char> UnknownHandlerOffset() {
  std::vector<WindowDescription> windows = MainWindowDescriptions();
  windows[0].records[6].event_bindings = {{0, 198, nullptr}};
  return EncodeWindowDescriptions(windows);
}

class UnusableDataDeathTest : public ProgramInstall, public ::testing::WithParamInterface<UnusableRow> {};

TEST_P(UnusableDataDeathTest, EndsTheProgramBeforeAnyWindow) {
  const std::string box = std::string(gbk::kErrorMessage) + gbk::kDescriptionsUnreadable + "\r\n$";
  EXPECT_EXIT(
      {
        Shell().platform = &SystemPlatform();
        InstallProgramData(Shell(), Data(GetParam().stored));
      },
      ::testing::ExitedWithCode(255), box)
      << GetParam().what;
  EXPECT_TRUE(Shell().windows.empty());
}

INSTANTIATE_TEST_SUITE_P(Data, UnusableDataDeathTest,
                         ::testing::Values(UnusableRow{"one byte short", Truncated()},
                                           UnusableRow{"nothing at all", {}},
                                           UnusableRow{"offset 198 names no routine", UnknownHandlerOffset()}));
#endif

}  // namespace
