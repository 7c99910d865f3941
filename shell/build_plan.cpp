#include "build_plan.h"

namespace {
constexpr std::int32_t kFirstControlId = 100;
constexpr std::int32_t kControlIdStep = 10;
}  // namespace

std::vector<ControlCreation> ControlCreationOrder(std::size_t record_count) {
  std::vector<ControlCreation> order;
  if (record_count < 2) return order;
  order.reserve(record_count - 1);
  std::int32_t id = kFirstControlId;
  for (std::size_t record = record_count - 1; record >= 1; --record) {
    order.push_back(ControlCreation{record, id});
    id += kControlIdStep;
  }
  return order;
}

std::vector<StackStep> StackingPlan(std::span<const std::uint32_t> parents) {
  std::vector<StackStep> plan;
  for (std::size_t record = 1; record < parents.size(); ++record) {
    std::size_t below = kStackOnTop;
    for (std::size_t earlier = record - 1; earlier >= 1; --earlier) {
      if (parents[earlier] == parents[record]) {
        below = earlier;
        break;
      }
    }
    plan.push_back(StackStep{record, below});
  }
  return plan;
}
