// Moving and watching the focus of a launched window with real Tab presses,
// for the keyboard tests of Talvenor's window and of the keyboard fixture's.
// A walk knows the controls Tab visits, in order from the first focus, and
// the names that failure messages give the controls.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <span>
#include <vector>

#include "main_window.h"

namespace gui {

class FocusWalk {
 public:
  using Namer = const char* (*)(int id);

  // window must outlive the walk; it may still be empty when the walk is made.
  FocusWalk(const MainWindow& window, std::span<const int> order, Namer name)
      : window_(window), order_(order), name_(name) {}

  int FocusedId() const;
  const char* FocusedName() const { return name_(FocusedId()); }
  // Waits until the control with id has the focus.
  bool Reaches(int id) const;
  // The control's place in the order; 0 for a control not in it.
  std::size_t IndexOf(int id) const;
  // The control Tab moves on to from id.
  int After(int id) const { return order_[(IndexOf(id) + 1) % order_.size()]; }
  // Presses Tab from the first focus until the control with id has it.
  bool TabTo(int id) const;
  // Presses Tab (or Shift+Tab) once per entry of visits, each time expecting
  // the focus on that control.
  ::testing::AssertionResult Walk(bool shift, const std::vector<int>& visits) const;

 private:
  const MainWindow& window_;
  std::span<const int> order_;
  Namer name_;
};

// A table row for Walk.
struct CycleRow {
  const char* what;
  bool shift;
  std::vector<int> visits;
};

}  // namespace gui
