// Event delivery: which routine an event reaches, what it is given and what
// comes back, the suppression count, and the fatal errors of bad sources.
#include <gtest/gtest.h>

#include <vector>

#include "event_delivery.h"
#include "gbk_text.h"
#include "shell_fixture.h"

namespace {

constexpr std::uint32_t kWindowNumber = 1375797249;
constexpr std::uint32_t kButton = 369164292;
constexpr std::uint32_t kEdit = 369164293;
constexpr std::uint32_t kOddType = 65540;  // a type number the shell has no control type for

std::vector<std::vector<std::int32_t>> calls;

HandlerResult Record(const std::int32_t* arguments, std::int32_t count) {
  calls.emplace_back(arguments, arguments + count);
  return {};
}
HandlerResult AnswerSeven(const std::int32_t*, std::int32_t) { return {true, 7}; }

class EventDelivery : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    calls.clear();
    WindowDescription window =
        Window(kWindowNumber, {{kButton, control_type::kButton}, {kEdit, control_type::kEditBox}, {42, kOddType}});
    window.records[0].event_bindings = {{7, 1, &AnswerSeven}};
    // The first binding of an event wins; a binding without a handler is none.
    window.records[1].event_bindings = {{-7, -1, nullptr}, {0, 199, &Record}, {0, 5, &AnswerSeven}};
    Shell().windows.push_back(window);
  }
};

TEST_F(EventDelivery, ClickReachesItsHandlerWithoutArguments) {
  EventNotice notice = MakeEventNotice(kWindowNumber, kButton, 0);
  notice.arguments[0] = 99;  // not passed: the count is 0
  EXPECT_TRUE(RaiseEvent(notice));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_TRUE(calls[0].empty());
  EXPECT_EQ(notice.result_given, 0);  // the handler returned nothing
  EXPECT_EQ(notice.result, 0);
}

TEST_F(EventDelivery, ArgumentsInSlotOrderAndTheResult) {
  EventNotice notice = MakeEventNotice(kWindowNumber, 0, 7);  // control 0: the window itself
  notice.argument_count = 1;
  notice.arguments[0] = 1234;
  EXPECT_TRUE(RaiseEvent(notice));
  EXPECT_EQ(notice.result_given, 1);
  EXPECT_EQ(notice.result, 7);

  Shell().windows[0].records[1].event_bindings = {{3, 1, &Record}};
  EventNotice five = MakeEventNotice(kWindowNumber, kButton, 3);
  five.argument_count = 5;
  for (int i = 0; i < 5; ++i) five.arguments[i] = 10 + i;
  EXPECT_TRUE(RaiseEvent(five));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], (std::vector<std::int32_t>{10, 11, 12, 13, 14}));
}

TEST_F(EventDelivery, UnboundEventsAreDroppedAndTheNoticeLeftAlone) {
  for (const std::int32_t event : {-7, -8, 1}) {
    EventNotice notice = MakeEventNotice(kWindowNumber, kButton, event);
    EXPECT_FALSE(RaiseEvent(notice)) << "event " << event;
    EXPECT_EQ(notice.result_given, 0) << "event " << event;
  }
  EventNotice edit = MakeEventNotice(kWindowNumber, kEdit, 0);
  EXPECT_FALSE(RaiseEvent(edit));
  EXPECT_TRUE(calls.empty());
}

TEST_F(EventDelivery, BindingLinkLendsTheLinkedRecordsBindings) {
  WindowDescription& window = Shell().windows[0];
  DescriptionRecord second = window.records[1];
  second.unit_number = 555;
  second.event_bindings.clear();
  second.binding_link = kButton;
  window.records.push_back(second);
  EventNotice notice = MakeEventNotice(kWindowNumber, 555, 0);
  EXPECT_TRUE(RaiseEvent(notice));
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(EventDelivery, SuppressionIsCheckedBeforeAnythingElse) {
  Shell().event_suppression = 1;
  EventNotice known = MakeEventNotice(kWindowNumber, kButton, 0);
  EXPECT_FALSE(RaiseEvent(known));
  EventNotice unknown_window = MakeEventNotice(4, 5, 0);  // would be fatal without suppression
  EXPECT_FALSE(RaiseEvent(unknown_window));
  EXPECT_EQ(FindEventHandler(4, 5, 0), nullptr);
  EXPECT_TRUE(calls.empty());
}

TEST_F(EventDelivery, SuppressAndResumeDrainTheQueueFirst) {
  SuppressEvents();
  SuppressEvents();
  ResumeEvents();
  ResumeEvents();
  ResumeEvents();  // never below 0
  EXPECT_EQ(platform_.log,
            (std::vector<std::string>{"drain at 0", "drain at 1", "drain at 2", "drain at 1", "drain at 0"}));
  EXPECT_EQ(Shell().event_suppression, 0);
}

// Under Windows the error box would wait for a user: the fatal paths are
// checked on the native stand-ins only.
#ifndef _WIN32
struct FatalRow {
  std::uint32_t window;
  std::uint32_t control;
  const char* text;
};

class EventSourceDeathTest : public EventDelivery, public ::testing::WithParamInterface<FatalRow> {};

TEST_P(EventSourceDeathTest, EndsTheProgramWithTheText) {
  const FatalRow& row = GetParam();
  const std::string box = std::string(gbk::kErrorMessage) + row.text + "\r\n$";
  EXPECT_EXIT(
      {
        Shell().platform = &SystemPlatform();
        EventNotice notice = MakeEventNotice(row.window, row.control, 0);
        RaiseEvent(notice);
      },
      ::testing::ExitedWithCode(255), box)
      << "window=" << row.window << " control=" << row.control;
}

INSTANTIATE_TEST_SUITE_P(Sources, EventSourceDeathTest,
                         ::testing::Values(FatalRow{77, kButton, gbk::kEventWindowNotFound},
                                           FatalRow{kWindowNumber, 12345, gbk::kEventControlNotFound},
                                           FatalRow{kWindowNumber, 42, gbk::kEventControlInvalid}));
#endif

}  // namespace
