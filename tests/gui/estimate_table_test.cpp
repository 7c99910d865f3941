// The estimate over a whole table of entries, as a user gets it, from one
// start of the program: each size typed into the entry box (double-byte
// characters as an input method commits them), the button pressed with the
// mouse or with Space, the output box read back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "estimate_steps.h"
#include "gbk_typing.h"
#include "launched_window.h"
#include "window_probe.h"

namespace gui {
namespace {

enum class Press { kMouse, kSpace };

// What the output box holds before the press that is checked.
enum class Before {
  kOtherText,       // a text no estimate can give, set from outside
  kSameEstimate,    // the estimate of the same entry, from a first press
  kTextTypedByHand  // text typed into the output box on the keyboard
};

struct EstimateRow {
  const char* entry;  // code page 936 bytes
  const char* shown;
  Press press;
  Before before;
};

void PrintTo(const EstimateRow& row, std::ostream* os) { *os << '"' << row.entry << "\" -> \"" << row.shown << '"'; }

// One program start serves every row of a table.
class EstimateTable : public ::testing::TestWithParam<EstimateRow> {
 protected:
  static void SetUpTestSuite() {
    launched_ = new LaunchedWindow;
    Launch(launched_);
  }
  static void TearDownTestSuite() {
    delete launched_;
    launched_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(launched_->main.window, nullptr) << "the program did not start";
    ASSERT_TRUE(IsWindow(launched_->main.window)) << "the program's window is gone";
  }

  static bool PressButton(const MainWindow& main, Press press) {
    return press == Press::kMouse ? PressButtonWithMouse(main) : PressButtonWithSpace(main);
  }

  static LaunchedWindow* launched_;
};

LaunchedWindow* EstimateTable::launched_ = nullptr;

TEST_P(EstimateTable, PressShowsTheHeight) {
  const EstimateRow& row = GetParam();
  const MainWindow& main = launched_->main;
  ASSERT_TRUE(TypeGbkIntoBox(main, main.entry_box(), row.entry))
      << "entry " << row.entry << ", box shows " << WindowText(main.entry_box());

  switch (row.before) {
    case Before::kOtherText:
      ASSERT_TRUE(SetWindowTextRemote(main.output_box(), "no estimate yet"));
      break;
    case Before::kSameEstimate:
      ASSERT_TRUE(PressButton(main, row.press));
      ASSERT_EQ(WaitForOutput(main, row.shown), row.shown) << "first press, entry " << row.entry;
      break;
    case Before::kTextTypedByHand:
      ASSERT_TRUE(TypeIntoBox(main, main.output_box(), "typed 123 CM")) << ReadOutput(main);
      break;
  }

  ASSERT_TRUE(PressButton(main, row.press));
  EXPECT_EQ(WaitForOutput(main, row.shown), row.shown) << "entry " << row.entry;
  // Input is handled in order: once a click into the entry box has moved the
  // focus there, the press has been handled completely.
  ASSERT_TRUE(TypeGbkIntoBox(main, main.entry_box(), row.entry));
  EXPECT_EQ(ReadOutput(main), row.shown) << "after the press, entry " << row.entry;
}

// Full-width characters in code page 936: "４０" is A3B4 A3B0, "－" is A3AD.
const EstimateRow kEverydaySizes[] = {
    {"40", "175 CM", Press::kMouse, Before::kOtherText},
    {"41", "178.5 CM", Press::kMouse, Before::kOtherText},
    {"39", "171.5 CM", Press::kSpace, Before::kOtherText},
    {"40.3", "176.05 CM", Press::kMouse, Before::kOtherText},
    {"42.5", "183.75 CM", Press::kSpace, Before::kOtherText},
    {"\xA3\xB4\xA3\xB0", "175 CM", Press::kMouse, Before::kOtherText},
    {"\xA3\xB4\xA3\xB0", "175 CM", Press::kSpace, Before::kOtherText},
    {"", "35 CM", Press::kMouse, Before::kOtherText},
    {"abc", "35 CM", Press::kSpace, Before::kOtherText},
    {"-10", "0 CM", Press::kMouse, Before::kOtherText},
    {"-20", "-35 CM", Press::kMouse, Before::kOtherText},
    {"1e400", "1.#INF CM", Press::kSpace, Before::kOtherText},
    {"41", "178.5 CM", Press::kMouse, Before::kSameEstimate},
    {"41", "178.5 CM", Press::kSpace, Before::kSameEstimate},
    {"39", "171.5 CM", Press::kMouse, Before::kTextTypedByHand},
};
INSTANTIATE_TEST_SUITE_P(EverydaySizes, EstimateTable, ::testing::ValuesIn(kEverydaySizes));

// Exponents, full-width signs, infinities, the longest texts and the last
// digits, where rounding every step to a double shows (plain double
// arithmetic would give 35.00000000002 for 4.285460875900137e-12).
const EstimateRow kUnusualSizes[] = {
    {"4e1", "175 CM", Press::kMouse, Before::kOtherText},
    {"400d-1", "175 CM", Press::kMouse, Before::kOtherText},
    {"\xA3\xAD"
     "20",
     "-35 CM", Press::kSpace, Before::kOtherText},
    {"-1e400", "-1.#INF CM", Press::kMouse, Before::kOtherText},
    {"1e13", "3.500000000004e+013 CM", Press::kMouse, Before::kOtherText},
    {"2.857142857142857e13", "1e+014 CM", Press::kMouse, Before::kOtherText},
    {"0.0000001", "35.00000035 CM", Press::kSpace, Before::kOtherText},
    {"-10.000000000000002", "-6.217248937901e-015 CM", Press::kMouse, Before::kOtherText},
    {"4.285460875900137e-12", "35.00000000001 CM", Press::kMouse, Before::kOtherText},
    {"7.143619028801074e-12", "35.00000000003 CM", Press::kMouse, Before::kOtherText},
};
INSTANTIATE_TEST_SUITE_P(UnusualSizes, EstimateTable, ::testing::ValuesIn(kUnusualSizes));

}  // namespace
}  // namespace gui
