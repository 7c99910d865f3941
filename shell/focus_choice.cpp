#include "focus_choice.h"

std::optional<std::size_t> FirstFocusTarget(std::span<const FocusCandidate> records) {
  std::optional<std::size_t> best;
  for (std::size_t record = records.size(); record-- > 1;) {
    if (!records[record].eligible) continue;
    if (!best || records[record].tab_order < records[*best].tab_order) best = record;
  }
  return best;
}
