// The ordering decisions of building a window from its description: which
// record is created when, with which control id, and how the controls are
// stacked. Record 0 is the window itself; records 1 and up are its controls,
// topmost first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct ControlCreation {
  std::size_t record;
  std::int32_t control_id;
};

// Controls are created from the last record back to the second, with ids
// 100, 110, 120, ... in creation order (ids stay far below 20000, where menu
// commands start).
std::vector<ControlCreation> ControlCreationOrder(std::size_t record_count);

inline constexpr std::size_t kStackOnTop = static_cast<std::size_t>(-1);

struct StackStep {
  std::size_t record;
  std::size_t below;  // the record to go directly below, or kStackOnTop
};

// parents holds each record's parent unit number (0 = the window itself).
// Record 1 goes to the top; each later record goes directly below the nearest
// earlier record with the same parent, or to the top when there is none. So
// within each parent the z-order from the top is the record order.
std::vector<StackStep> StackingPlan(std::span<const std::uint32_t> parents);
