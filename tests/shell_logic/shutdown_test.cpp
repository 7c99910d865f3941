// The shut-down: its order, its idempotence, the exit routines, and the
// forwarding of a request made on another thread.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fatal_error.h"
#include "shell_fixture.h"
#include "shutdown.h"

namespace {

std::vector<std::string>* journal = nullptr;

void First() { journal->push_back(Shell().windows.empty() ? "first, descriptions gone" : "first, descriptions kept"); }
void Second() { journal->emplace_back("second"); }
void ShutsDownAgain() {
  journal->emplace_back("again");
  ShutDownShell(0);
}

int owner_window_stand_in = 0;

class ShutDown : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    journal = &platform_.log;
    ShellState& shell = Shell();
    shell.windows.push_back(Window(1375797249));
    shell.hidden_owner_window = &owner_window_stand_in;
    shell.ole_initialised = true;
    shell.ui_thread_recorded = true;
    shell.ui_thread_id = 1;
  }
  void TearDown() override {
    journal = nullptr;
    ShellTest::TearDown();
  }
};

TEST_F(ShutDown, ReleasesRunsDestroysUninitialisesInThatOrder) {
  RegisterExitRoutine(&First);
  RegisterExitRoutine(&Second);
  RegisterExitRoutine(&First);  // already there: called once
  ShutDownShell(0);
  EXPECT_EQ(platform_.log,
            (std::vector<std::string>{"first, descriptions gone", "second", "destroy owner", "uninitialise ole"}));
  const ShellState& shell = Shell();
  EXPECT_TRUE(shell.cleanup_started);
  EXPECT_TRUE(shell.exit_routines.empty());
  EXPECT_EQ(shell.hidden_owner_window, nullptr);
  EXPECT_FALSE(shell.ole_initialised);
}

TEST_F(ShutDown, ASecondRunChangesNothing) {
  RegisterExitRoutine(&Second);
  ShutDownShell(0);
  const std::size_t after_first = platform_.log.size();
  ShutDownShell(0);
  EXPECT_EQ(platform_.log.size(), after_first);
}

TEST_F(ShutDown, ARoutineThatShutsDownAgainFindsNothingLeft) {
  RegisterExitRoutine(&ShutsDownAgain);
  RegisterExitRoutine(&Second);
  ShutDownShell(0);
  EXPECT_EQ(platform_.log, (std::vector<std::string>{"again", "destroy owner", "uninitialise ole", "second"}));
}

TEST_F(ShutDown, AnotherThreadForwardsTheRequestAndEndsTheProcess) {
  RegisterExitRoutine(&Second);
  platform_.thread_id = 2;
  try {
    ShutDownShell(3);
    FAIL() << "the process should have ended";
  } catch (const RecordingPlatform::ProcessEnded& ended) {
    EXPECT_EQ(ended.code, 3);
  }
  EXPECT_EQ(platform_.log, (std::vector<std::string>{"forward 3", "end 3"}));
  EXPECT_EQ(platform_.forwarded_to, &owner_window_stand_in);
  EXPECT_FALSE(Shell().windows.empty()) << "nothing is released on the other thread";
}

TEST_F(ShutDown, AnotherThreadReturnsWhenTheUserInterfaceThreadHasCleanedUp) {
  platform_.thread_id = 2;
  Shell().cleanup_started = true;
  ShutDownShell(0);
  EXPECT_EQ(platform_.log, (std::vector<std::string>{"forward 0"}));
}

TEST_F(ShutDown, BeforeStartUpAnyThreadShutsDownItself) {
  Shell().ui_thread_recorded = false;
  platform_.thread_id = 9;
  ShutDownShell(0);
  EXPECT_TRUE(Shell().cleanup_started);
}

TEST_F(ShutDown, ExitProgramShutsDownThenEnds) {
  RegisterExitRoutine(&Second);
  EXPECT_THROW(ExitProgram(-1), RecordingPlatform::ProcessEnded);
  EXPECT_EQ(platform_.log, (std::vector<std::string>{"second", "destroy owner", "uninitialise ole", "end -1"}));
}

// Under Windows the error box would wait for a user: the fatal paths are
// checked on the native stand-ins only.
#ifndef _WIN32
TEST(ShutDownDeathTest, FatalErrorDropsTheExitRoutines) {
  EXPECT_EXIT(
      {
        RegisterExitRoutine([] { std::fputs("routine ran", stderr); });
        RaiseFatalError("x", 0);
      },
      ::testing::ExitedWithCode(255), "x\r\n$");
}
#endif

}  // namespace
