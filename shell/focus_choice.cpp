#include "focus_choice.h"

#include <algorithm>

std::optional<std::size_t> FirstFocusTarget(std::span<const FocusCandidate> records) {
  std::optional<std::size_t> best;
  for (std::size_t record = records.size(); record-- > 1;) {
    if (!records[record].eligible) continue;
    if (!best || records[record].tab_order < records[*best].tab_order) best = record;
  }
  return best;
}

std::vector<std::size_t> FocusOrder(std::span<const FocusCandidate> records) {
  std::vector<std::size_t> order;
  // Taken from the last record to the second; each goes after every one
  // taken before it whose tab order is not above its own.
  for (std::size_t record = records.size(); record-- > 1;) {
    if (!records[record].eligible) continue;
    const std::int32_t tab_order = records[record].tab_order;
    const auto place = std::find_if(order.begin(), order.end(),
                                    [&](std::size_t taken) { return records[taken].tab_order > tab_order; });
    order.insert(place, record);
  }
  return order;
}

std::optional<std::size_t> NextFocusTarget(std::span<const FocusCandidate> records, std::size_t current,
                                           FocusDirection direction) {
  if (current >= records.size()) return std::nullopt;
  const std::vector<std::size_t> order = FocusOrder(records);
  if (order.empty()) return std::nullopt;
  const bool forward = direction == FocusDirection::kForward;
  const std::size_t count = order.size();

  if (records[current].label) {
    const std::int32_t label_order = records[current].tab_order;
    if (forward) {
      for (const std::size_t record : order) {
        if (records[record].tab_order >= label_order) return record;
      }
    } else {
      for (std::size_t i = count; i-- > 0;) {
        if (records[order[i]].tab_order < label_order) return order[i];
      }
    }
    return std::nullopt;
  }

  const auto here = std::find(order.begin(), order.end(), current);
  if (here != order.end()) {
    const auto at = static_cast<std::size_t>(here - order.begin());
    return forward ? order[(at + 1) % count] : order[(at + count - 1) % count];
  }

  const auto before = std::find_if(order.begin(), order.end(), [&](std::size_t record) { return record < current; });
  if (before == order.end()) return forward ? order.front() : order.back();
  const auto at = static_cast<std::size_t>(before - order.begin());
  return forward ? order[at] : order[(at + count - 1) % count];
}
