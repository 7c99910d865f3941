// The click handler through the real conversions, property access and event
// delivery, with the two edit boxes kept in memory.
#include <gtest/gtest.h>

#include <string>

#include "../support/counting_heap.h"
#include "edit_box_object.h"
#include "handler_binding.h"
#include "main_window_description.h"
#include "main_window_units.h"
#include "on_estimate_click.h"
#include "program.h"
#include "program_constants.h"
#include "shell_state.h"
#include "window_description.h"
#include "window_registry.h"

namespace {

// An edit box whose system control is a string.
class MemoryEditBox : public EditBoxObject {
 public:
  using EditBoxObject::EditBoxObject;
  bool IsLive() const override { return true; }
  std::string text;

 protected:
  std::int32_t ControlTextLength() override { return static_cast<std::int32_t>(text.size()); }
  std::int32_t ControlText(char* buffer, std::int32_t size) override {
    const auto n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size) - 1);
    text.copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<std::int32_t>(n);
  }
  void SetControlText(const char* new_text) override { text = new_text; }
  void SendOwnChangeNotice() override { OnNotification(edit_notice::kChange); }
};

class OnEstimateClickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ShellState& shell = Shell();
    DescriptionReadResult read = ReadWindowDescriptions(MainWindowStoredForm());
    ASSERT_TRUE(read);
    shell.windows = std::move(read.windows);
    ASSERT_TRUE(BindEventHandlers(shell.windows, ProgramHandlers()));
    shell.constants_begin = program_constants::Area().data();
    shell.constants_size = program_constants::kSize;
    FillObjectSlot(kMainWindowNumber, main_window_unit::kEditBox1, &entry_);
    FillObjectSlot(kMainWindowNumber, main_window_unit::kEditBox2, &output_);
  }
  void TearDown() override {
    ShellState& shell = Shell();
    shell.windows.clear();
    shell.constants_begin = nullptr;
    shell.constants_size = 0;
  }

  // Types text into the entry box, clicks, and gives what the output box shows.
  std::string Press(const std::string& entry_text) {
    entry_.text = entry_text;
    const std::int64_t live_before = CountingHeap::Live();
    OnEstimateClick();
    EXPECT_EQ(CountingHeap::Live(), live_before) << "every text value is released, entry=" << entry_text;
    return output_.text;
  }

  CountingHeap heap_;
  MemoryEditBox entry_{kMainWindowNumber, main_window_unit::kEditBox1};
  MemoryEditBox output_{kMainWindowNumber, main_window_unit::kEditBox2};
};

struct Row {
  const char* entry;
  const char* shown;
};

class HeightTable : public OnEstimateClickTest, public ::testing::WithParamInterface<Row> {};

TEST_P(HeightTable, ShowsTheEstimate) { EXPECT_EQ(Press(GetParam().entry), GetParam().shown) << GetParam().entry; }

INSTANTIATE_TEST_SUITE_P(Examples, HeightTable,
                         ::testing::Values(Row{"40", "175 CM"}, Row{"41", "178.5 CM"}, Row{"39", "171.5 CM"},
                                           Row{"40.3", "176.05 CM"}, Row{"42.5", "183.75 CM"},
                                           Row{"\xA3\xB4\xA3\xB0", "175 CM"},  // ４０ in full-width digits
                                           Row{"", "35 CM"}, Row{"abc", "35 CM"}, Row{"-10", "0 CM"},
                                           Row{"-20", "-35 CM"}, Row{"1e400", "1.#INF CM"}));

INSTANTIATE_TEST_SUITE_P(Conversions, HeightTable,
                         ::testing::Values(Row{"4e1", "175 CM"}, Row{"400d-1", "175 CM"},
                                           Row{"\xA3\xAD\x32\x30", "-35 CM"},     // －20
                                           Row{"\xA1\xA1 40\xC2\xEB", "175 CM"},  // ideographic space, 40, then 码
                                           Row{"-1e400", "-1.#INF CM"}, Row{"1e13", "3.500000000004e+013 CM"},
                                           Row{"2.857142857142857e13", "1e+014 CM"}, Row{"-10.0", "0 CM"},
                                           Row{"-1e-320", "35 CM"}, Row{"0.0000001", "35.00000035 CM"},
                                           Row{"-10.000000000000002", "-6.217248937901e-015 CM"},
                                           // Sizes where rounding each step to 64 bits first, as the x87 unit does,
                                           // shows a different last digit than plain double arithmetic would.
                                           Row{"4.285460875900137e-12", "35.00000000001 CM"},
                                           Row{"7.143619028801074e-12", "35.00000000003 CM"}));

TEST_F(OnEstimateClickTest, ReplacesTheOutputRatherThanAppending) {
  output_.text = "typed by the user";
  EXPECT_EQ(Press("40"), "175 CM");
  EXPECT_EQ(Press("40"), "175 CM");
}

}  // namespace
