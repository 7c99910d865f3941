// The idle steps of the message loop: the platform's work first, then each
// window's idle event until every window has finished.
#include <gtest/gtest.h>

#include <vector>

#include "idle_step.h"
#include "shell_fixture.h"

namespace {

std::vector<std::int32_t> idle_arguments;
int stay_for = 0;  // the handler answers true this many more times

HandlerResult Idle(const std::int32_t* arguments, std::int32_t count) {
  idle_arguments.insert(idle_arguments.end(), arguments, arguments + count);
  if (stay_for > 0) {
    --stay_for;
    return {true, 1};
  }
  return {true, 0};
}

class IdleSteps : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    idle_arguments.clear();
    stay_for = 0;
    Shell().windows.push_back(Window(10));
    Shell().windows.push_back(Window(20));
    Shell().windows[0].records[0].event_bindings = {{kIdleEvent, 1, &Idle}};
    Shell().windows[0].records[0].object = &first_;
    Shell().windows[1].records[0].object = &second_;
  }
  FakeControl first_{10, 100728832};
  FakeControl second_{20, 100728832};
};

TEST_F(IdleSteps, UnboundIdleEndsAtStepTwo) {
  Shell().windows[0].records[0].event_bindings.clear();
  platform_.ticks = 1000;
  EXPECT_TRUE(RunIdleStep(0));
  EXPECT_TRUE(RunIdleStep(1));
  EXPECT_FALSE(RunIdleStep(2));
  EXPECT_EQ(platform_.log, (std::vector<std::string>{"idle work", "idle work"}));
  EXPECT_EQ(Shell().idle_start, 1000u);
}

TEST_F(IdleSteps, AWindowStaysInWhileItsHandlerAnswersTrue) {
  stay_for = 2;
  platform_.ticks = 0xFFFFFFF0u;  // the tick count wraps during the phase
  RunIdleStep(0);
  RunIdleStep(1);
  platform_.ticks = 0x10;
  EXPECT_TRUE(RunIdleStep(2));
  platform_.ticks = 0x20;
  EXPECT_TRUE(RunIdleStep(3));
  EXPECT_FALSE(RunIdleStep(4));
  EXPECT_FALSE(RunIdleStep(5)) << "a finished window gets no more idle events";
  EXPECT_EQ(idle_arguments, (std::vector<std::int32_t>{0x20, 0x30, 0x30}));
}

TEST_F(IdleSteps, ANewPhaseLetsEveryWindowIdleAgain) {
  RunIdleStep(0);
  RunIdleStep(1);
  EXPECT_FALSE(RunIdleStep(2));
  RunIdleStep(0);
  RunIdleStep(1);
  RunIdleStep(2);
  EXPECT_EQ(idle_arguments.size(), 2u);
}

TEST_F(IdleSteps, WindowsThatDoNotExistGetNoIdleEvent) {
  stay_for = 5;
  first_.live = false;
  RunIdleStep(0);
  RunIdleStep(1);
  EXPECT_FALSE(RunIdleStep(2));
  EXPECT_TRUE(idle_arguments.empty());
}

TEST_F(IdleSteps, SuppressedEventsEndIdling) {
  stay_for = 5;
  Shell().event_suppression = 1;
  RunIdleStep(0);
  RunIdleStep(1);
  EXPECT_FALSE(RunIdleStep(2));
}

}  // namespace
