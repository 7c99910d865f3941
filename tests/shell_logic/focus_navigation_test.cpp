// The order Tab visits the focus candidates in, and where Tab, Shift+Tab and
// a label's mnemonic move the focus from each kind of starting point.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "focus_choice.h"

namespace {

const FocusCandidate kNo{false, 0};
const FocusCandidate kYes{true, 0};
FocusCandidate Yes(std::int32_t tab_order) { return FocusCandidate{true, tab_order}; }
FocusCandidate Label(std::int32_t tab_order) { return FocusCandidate{false, tab_order, true}; }

// The main window's records: the window, 标签4, 标签3, 标签2, 编辑框1 (4),
// 编辑框2 (5), 按钮1 (6), 标签1; the three candidates all have tab order 0.
const std::vector<FocusCandidate> kMainWindow = {kNo, Label(0), Label(0), Label(0), kYes, kYes, kYes, Label(0)};

struct OrderRow {
  const char* what;
  std::vector<FocusCandidate> records;
  std::vector<std::size_t> order;
};

class FocusOrdering : public ::testing::TestWithParam<OrderRow> {};

TEST_P(FocusOrdering, ByTabOrderLaterRecordFirstAmongEquals) {
  EXPECT_EQ(FocusOrder(GetParam().records), GetParam().order) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Records, FocusOrdering,
    ::testing::Values(OrderRow{"main window: 按钮1, 编辑框2, 编辑框1", kMainWindow, {6, 5, 4}},
                      OrderRow{"tab orders 2, 0, 1, 0", {kNo, Yes(2), Yes(0), Yes(1), Yes(0)}, {4, 2, 3, 1}},
                      OrderRow{"tab orders ascending with the records", {kNo, Yes(0), Yes(1), Yes(2)}, {1, 2, 3}},
                      OrderRow{"negative tab order first", {kNo, Yes(0), Yes(-1), Yes(5)}, {2, 1, 3}},
                      OrderRow{"ineligible records left out", {kNo, Yes(1), kNo, Label(0), Yes(1)}, {4, 1}},
                      OrderRow{"the window's own record never", {kYes, Yes(3)}, {1}},
                      OrderRow{"nothing eligible", {kNo, kNo, Label(0)}, {}}));

struct MoveRow {
  const char* what;
  std::vector<FocusCandidate> records;
  std::size_t current;
  FocusDirection direction;
  std::optional<std::size_t> target;
};

class MoveFocusTarget : public ::testing::TestWithParam<MoveRow> {};

TEST_P(MoveFocusTarget, FromTheCurrentRecord) {
  const MoveRow& row = GetParam();
  EXPECT_EQ(NextFocusTarget(row.records, row.current, row.direction), row.target)
      << row.what << ": from record " << row.current
      << (row.direction == FocusDirection::kForward ? " forward" : " backward");
}

constexpr FocusDirection kForward = FocusDirection::kForward;
constexpr FocusDirection kBackward = FocusDirection::kBackward;

// 编辑框2 (5) hidden: the candidates are 按钮1 (6) then 编辑框1 (4).
const std::vector<FocusCandidate> kOutputBoxHidden = {kNo, Label(0), Label(0), Label(0), kYes, kNo, kYes, Label(0)};
// A label (1, tab order 1) before edit boxes with tab orders 0, 2 and 1: the
// order is 2, 4, 3.
const std::vector<FocusCandidate> kLabelled = {kNo, Label(1), Yes(0), Yes(2), Yes(1)};

INSTANTIATE_TEST_SUITE_P(
    Candidates, MoveFocusTarget,
    ::testing::Values(MoveRow{"Tab from 按钮1", kMainWindow, 6, kForward, 5},
                      MoveRow{"Tab from 编辑框2", kMainWindow, 5, kForward, 4},
                      MoveRow{"Tab from 编辑框1 wraps to 按钮1", kMainWindow, 4, kForward, 6},
                      MoveRow{"Shift+Tab from 按钮1 wraps to 编辑框1", kMainWindow, 6, kBackward, 4},
                      MoveRow{"Shift+Tab from 编辑框1", kMainWindow, 4, kBackward, 5},
                      MoveRow{"Shift+Tab from 编辑框2", kMainWindow, 5, kBackward, 6},
                      MoveRow{"the only candidate stays", {kNo, kNo, kYes}, 2, kForward, 2},
                      MoveRow{"no candidate at all", {kNo, kNo, Label(0)}, 1, kForward, std::nullopt},
                      MoveRow{"a record the window does not have", kMainWindow, 8, kForward, std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    NotACandidate, MoveFocusTarget,
    ::testing::Values(
        MoveRow{"the window itself, forward: the first", kMainWindow, 0, kForward, 6},
        MoveRow{"the window itself, backward: the last", kMainWindow, 0, kBackward, 4},
        // Candidates standing before record 5: 4 only, which is second in focus order.
        MoveRow{"hidden 编辑框2, forward", kOutputBoxHidden, 5, kForward, 4},
        MoveRow{"hidden 编辑框2, backward", kOutputBoxHidden, 5, kBackward, 6},
        // Before record 7 stand 6, 5 and 4; 6 comes first in focus order.
        MoveRow{
            "disabled control after them all, forward", {kNo, kNo, kNo, kNo, kYes, kYes, kYes, kNo}, 7, kForward, 6},
        MoveRow{
            "disabled control after them all, backward", {kNo, kNo, kNo, kNo, kYes, kYes, kYes, kNo}, 7, kBackward, 4},
        MoveRow{"nothing before it, forward: the first", {kNo, kNo, Yes(1), Yes(0)}, 1, kForward, 3},
        MoveRow{"nothing before it, backward: the last", {kNo, kNo, Yes(1), Yes(0)}, 1, kBackward, 2}));

INSTANTIATE_TEST_SUITE_P(
    FromALabel, MoveFocusTarget,
    ::testing::Values(MoveRow{"forward: first with tab order at least the label's", kLabelled, 1, kForward, 4},
                      MoveRow{"backward: last with tab order below the label's", kLabelled, 1, kBackward, 2},
                      MoveRow{
                          "forward, nothing at or above", {kNo, Label(3), Yes(0), Yes(2)}, 1, kForward, std::nullopt},
                      MoveRow{"backward, nothing below", {kNo, Label(0), Yes(0), Yes(2)}, 1, kBackward, std::nullopt},
                      // Labels do not wrap around and do not look at record positions.
                      MoveRow{"main window label, forward", kMainWindow, 7, kForward, 6},
                      MoveRow{"main window label, backward", kMainWindow, 7, kBackward, std::nullopt}));

}  // namespace
