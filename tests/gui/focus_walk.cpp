#include "focus_walk.h"

#include "estimate_steps.h"
#include "poll.h"
#include "user_input.h"
#include "window_probe.h"

namespace gui {

int FocusWalk::FocusedId() const { return ControlId(FocusState(window_.window).hwndFocus); }

bool FocusWalk::Reaches(int id) const {
  return WaitUntil([&] { return FocusIs(window_.window, window_.Control(id)); });
}

std::size_t FocusWalk::IndexOf(int id) const {
  for (std::size_t i = 0; i < order_.size(); ++i) {
    if (order_[i] == id) return i;
  }
  return 0;
}

bool FocusWalk::TabTo(int id) const {
  for (std::size_t step = 0; step < IndexOf(id); ++step) {
    if (!PressChord({VK_TAB}) || !Reaches(order_[step + 1])) return false;
  }
  return true;
}

::testing::AssertionResult FocusWalk::Walk(bool shift, const std::vector<int>& visits) const {
  for (std::size_t step = 0; step < visits.size(); ++step) {
    if (!(shift ? PressChord({VK_SHIFT, VK_TAB}) : PressChord({VK_TAB}))) {
      return ::testing::AssertionFailure() << "press " << step + 1 << " was not sent";
    }
    if (!Reaches(visits[step])) {
      return ::testing::AssertionFailure()
             << "press " << step + 1 << ": expected " << name_(visits[step]) << ", focus on " << FocusedName();
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace gui
