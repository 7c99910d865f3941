// Which control gets the focus when a window receives it and no remembered
// control applies. The keyboard navigation extends this with Tab order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// One entry per description record, in record order (entry 0 is the window).
struct FocusCandidate {
  bool eligible;  // live, visible, enabled, focusable type and tab stop set
  std::int32_t tab_order;
};

// Going from the last record to the second, the eligible record with the
// smallest tab order; among equal tab orders the first met (the record that
// stands latest) wins. None when nothing is eligible.
std::optional<std::size_t> FirstFocusTarget(std::span<const FocusCandidate> records);
