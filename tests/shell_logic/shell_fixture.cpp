#include "shell_fixture.h"

void ShellTest::SetUp() {
  saved_ = Shell();
  Shell() = ShellState{};
  Shell().platform = &platform_;
}

void ShellTest::TearDown() { Shell() = saved_; }

WindowDescription ShellTest::Window(std::uint32_t number,
                                    std::vector<std::pair<std::uint32_t, std::uint32_t>> controls) {
  WindowDescription window;
  window.window_number = number;
  DescriptionRecord own;
  own.unit_number = 100728832;
  own.control_type = control_type::kWindow;
  window.records.push_back(own);
  for (const auto& [unit, type] : controls) {
    DescriptionRecord record;
    record.unit_number = unit;
    record.control_type = type;
    window.records.push_back(record);
  }
  return window;
}
