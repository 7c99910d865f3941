// The decisions behind the windows: command routing, the typing filter, the
// edit box's text band, which messages restart idling, the creation and
// stacking order of controls, and the first focus.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "build_plan.h"
#include "command_routing.h"
#include "focus_choice.h"
#include "idle_restart.h"
#include "text_band.h"
#include "typing_filter.h"

namespace {

struct RouteRow {
  std::uint32_t id;
  CommandRoute route;
};

class CommandRouting : public ::testing::TestWithParam<RouteRow> {};

TEST_P(CommandRouting, ByIdAlone) {
  EXPECT_EQ(RouteCommand(GetParam().id), GetParam().route) << "id=" << GetParam().id;
}

INSTANTIATE_TEST_SUITE_P(Ids, CommandRouting,
                         ::testing::Values(RouteRow{100, CommandRoute::kControl},  // the first control id
                                           RouteRow{19999, CommandRoute::kControl},
                                           RouteRow{20000, CommandRoute::kMenu},  // menu commands start here
                                           RouteRow{57599, CommandRoute::kMenu},
                                           RouteRow{57600, CommandRoute::kHandled},  // 0xE100
                                           RouteRow{65535, CommandRoute::kHandled}));

struct TypingRow {
  std::int32_t mode;
  const char* accepted;
  const char* refused;
};

class TypingFilter : public ::testing::TestWithParam<TypingRow> {};

TEST_P(TypingFilter, TakesOnlyTheModesCharacters) {
  const TypingRow& row = GetParam();
  for (const char* c = row.accepted; *c != '\0'; ++c) {
    EXPECT_TRUE(AcceptsTypedCharacter(row.mode, static_cast<unsigned char>(*c))) << "mode=" << row.mode << " c=" << *c;
  }
  for (const char* c = row.refused; *c != '\0'; ++c) {
    EXPECT_FALSE(AcceptsTypedCharacter(row.mode, static_cast<unsigned char>(*c))) << "mode=" << row.mode << " c=" << *c;
  }
  // Control characters (backspace, Ctrl+V, Enter) always go through.
  for (const std::uint32_t control : {0x08u, 0x16u, 0x0Du, 0x1Fu}) {
    EXPECT_TRUE(AcceptsTypedCharacter(row.mode, control)) << "mode=" << row.mode << " code=" << control;
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, TypingFilter,
                         ::testing::Values(TypingRow{0, "a-.9 \xB3\xDF", ""}, TypingRow{1, "a.", ""},
                                           TypingRow{2, "a*", ""}, TypingRow{11, "x\xB3", ""},
                                           TypingRow{3, "0-9", ".a +"}, TypingRow{6, "5-", ".e"},
                                           TypingRow{7, "7", "."}, TypingRow{8, "8-", ","},
                                           TypingRow{4, "0-.9", "a+e "}, TypingRow{9, ".-1", "x"},
                                           TypingRow{10, "1.", "\xB3"}, TypingRow{5, "0123456789", "-. a"}));

struct BandRow {
  int top, bottom, text_height;
  int band_top, band_bottom;
};

class TextBandCentring : public ::testing::TestWithParam<BandRow> {};

TEST_P(TextBandCentring, CentresOneLine) {
  const BandRow& row = GetParam();
  const TextBand band = CentreTextBand(row.top, row.bottom, row.text_height);
  EXPECT_EQ(band.top, row.band_top) << "rows " << row.top << ".." << row.bottom << " h=" << row.text_height;
  EXPECT_EQ(band.bottom, row.band_bottom) << "rows " << row.top << ".." << row.bottom << " h=" << row.text_height;
}

INSTANTIATE_TEST_SUITE_P(Heights, TextBandCentring,
                         ::testing::Values(BandRow{2, 30, 14, 9, 23},    // a 32-pixel box with a sunken edge
                                           BandRow{2, 29, 14, 8, 22},    // odd spare row: truncated
                                           BandRow{0, 14, 14, 0, 14},    // exactly one line
                                           BandRow{2, 12, 14, 2, 12},    // too low: left whole
                                           BandRow{5, 45, 0, 25, 25}));  // no text height

TEST(TextBandCentring, RowsOutsideTheBandAreFrame) {
  const TextBand band{9, 23};
  EXPECT_TRUE(OutsideTextBand(band, 8));
  EXPECT_FALSE(OutsideTextBand(band, 9));
  EXPECT_FALSE(OutsideTextBand(band, 22));
  EXPECT_TRUE(OutsideTextBand(band, 23));
}

TEST(IdleRestart, PaintTimerAndRepeatedMouseMovesDoNotRestart) {
  constexpr std::uint32_t kPaint = 0x000F, kSysTimer = 0x0118, kMouseMove = 0x0200, kNcMouseMove = 0x00A0,
                          kKeyDown = 0x0100;
  struct Step {
    std::uint32_t message;
    int x, y;
    bool restarts;
  };
  const Step steps[] = {
      {kPaint, 0, 0, false},    {kSysTimer, 0, 0, false},   {kMouseMove, 5, 5, true},    {kMouseMove, 5, 5, false},
      {kMouseMove, 6, 5, true}, {kNcMouseMove, 6, 5, true}, {kNcMouseMove, 6, 5, false}, {kMouseMove, 6, 5, true},
      {kKeyDown, 6, 5, true},   {kMouseMove, 6, 5, false},  // a key between two moves leaves the last mouse message as
                                                            // it was
  };
  IdleRestartFilter filter;
  int index = 0;
  for (const Step& step : steps) {
    EXPECT_EQ(filter.Restarts(step.message, step.x, step.y), step.restarts) << "step " << index;
    ++index;
  }
}

TEST(BuildPlan, MainWindowControlsFromLastRecordWithIdsInTens) {
  // Records: the window, 标签4, 标签3, 标签2, 编辑框1, 编辑框2, 按钮1, 标签1.
  const std::vector<ControlCreation> order = ControlCreationOrder(8);
  const std::vector<std::pair<std::size_t, std::int32_t>> expected = {{7, 100}, {6, 110}, {5, 120}, {4, 130},
                                                                      {3, 140}, {2, 150}, {1, 160}};
  ASSERT_EQ(order.size(), expected.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(order[i].record, expected[i].first) << "creation " << i;
    EXPECT_EQ(order[i].control_id, expected[i].second) << "creation " << i;
  }
  EXPECT_TRUE(ControlCreationOrder(1).empty());  // the window alone
  EXPECT_TRUE(ControlCreationOrder(0).empty());
}

TEST(BuildPlan, StacksEachControlBelowTheNearestEarlierSibling) {
  // Records 1 to 3 on the window, 4 and 5 in container 77, 6 on the window.
  const std::vector<std::uint32_t> parents = {0, 0, 0, 0, 77, 77, 0};
  const std::vector<StackStep> plan = StackingPlan(parents);
  const std::vector<std::pair<std::size_t, std::size_t>> expected = {{1, kStackOnTop}, {2, 1}, {3, 2},
                                                                     {4, kStackOnTop}, {5, 4}, {6, 3}};
  ASSERT_EQ(plan.size(), expected.size());
  for (std::size_t i = 0; i < plan.size(); ++i) {
    EXPECT_EQ(plan[i].record, expected[i].first) << "step " << i;
    EXPECT_EQ(plan[i].below, expected[i].second) << "step " << i;
  }
}

struct FocusRow {
  const char* what;
  std::vector<FocusCandidate> records;
  std::optional<std::size_t> target;
};

class FirstFocus : public ::testing::TestWithParam<FocusRow> {};

TEST_P(FirstFocus, SmallestTabOrderLatestRecordFirst) {
  EXPECT_EQ(FirstFocusTarget(GetParam().records), GetParam().target) << GetParam().what;
}

// The main window: labels never, 编辑框1 (4), 编辑框2 (5) and 按钮1 (6) all
// with tab order 0.
const FocusCandidate kNo{false, 0};
const FocusCandidate kYes{true, 0};

INSTANTIATE_TEST_SUITE_P(
    Records, FirstFocus,
    ::testing::Values(FocusRow{"main window: the button", {kNo, kNo, kNo, kNo, kYes, kYes, kYes, kNo}, 6},
                      FocusRow{"button hidden", {kNo, kNo, kNo, kNo, kYes, kYes, kNo, kNo}, 5},
                      FocusRow{"smaller tab order wins", {kNo, {true, 1}, {true, 0}, {true, 2}}, 2},
                      FocusRow{"the window's own record never", {kYes}, std::nullopt},
                      FocusRow{"nothing eligible", {kNo, kNo, kNo}, std::nullopt},
                      FocusRow{"negative tab order", {kNo, {true, 0}, {true, -3}, {true, -3}}, 3}));

}  // namespace
