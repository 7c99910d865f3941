// The estimate as a user gets it: a size typed into the entry box, the button
// pressed with the mouse or with Space, the output box read back.
#include <gtest/gtest.h>

#include <string>

#include "estimate_steps.h"
#include "launched_window.h"

namespace gui {
namespace {

struct EstimateRow {
  const char* size;
  const char* shown;
};

class EstimateByHand : public ::testing::TestWithParam<EstimateRow> {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(Launch(&launched_)); }
  LaunchedWindow launched_;
};

TEST_P(EstimateByHand, MouseClickShowsTheHeight) {
  const MainWindow& main = launched_.main;
  ASSERT_TRUE(TypeShoeSize(main, GetParam().size)) << GetParam().size;
  ASSERT_TRUE(PressButtonWithMouse(main));
  EXPECT_EQ(WaitForOutput(main, GetParam().shown), GetParam().shown) << "size " << GetParam().size;
}

TEST_P(EstimateByHand, SpaceOnTheFocusedButtonShowsTheHeight) {
  const MainWindow& main = launched_.main;
  ASSERT_TRUE(TypeShoeSize(main, GetParam().size)) << GetParam().size;
  ASSERT_TRUE(PressButtonWithSpace(main));
  EXPECT_EQ(WaitForOutput(main, GetParam().shown), GetParam().shown) << "size " << GetParam().size;
}

const EstimateRow kEstimates[] = {
    {"40", "175 CM"},
    {"41", "178.5 CM"},
};

INSTANTIATE_TEST_SUITE_P(ShoeSizes, EstimateByHand, ::testing::ValuesIn(kEstimates));

}  // namespace
}  // namespace gui
