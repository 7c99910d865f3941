// Which control gets the focus: when a window receives it and no remembered
// control applies, and when Tab, Shift+Tab or a label's mnemonic moves it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// One entry per description record, in record order (entry 0 is the window).
struct FocusCandidate {
  bool eligible;  // live, visible, enabled, focusable type and tab stop set
  std::int32_t tab_order;
  // A label: never a candidate, but focus moves from it by its own rule.
  bool label = false;
};

enum class FocusDirection { kForward, kBackward };

// Going from the last record to the second, the eligible record with the
// smallest tab order; among equal tab orders the first met (the record that
// stands latest) wins. None when nothing is eligible.
std::optional<std::size_t> FirstFocusTarget(std::span<const FocusCandidate> records);

// The eligible records in the order Tab visits them: by tab order, and among
// equal tab orders the record that stands later first.
std::vector<std::size_t> FocusOrder(std::span<const FocusCandidate> records);

// Where the focus goes from the control of record `current` (the record that
// holds the focused window) in direction, or none when it stays:
// - from a label, forward to the first candidate whose tab order is at least
//   the label's, backward to the last one whose tab order is below it;
// - from a candidate, to its neighbour in focus order, wrapping around;
// - from anything else (the window itself, a hidden or disabled control), to
//   the first candidate whose record stands before `current` (forward) or the
//   one before that (backward), wrapping around; with no candidate before
//   `current`, to the first (forward) or last (backward) candidate.
std::optional<std::size_t> NextFocusTarget(std::span<const FocusCandidate> records, std::size_t current,
                                           FocusDirection direction);
