#include "on_estimate_click.h"

#include "command_call.h"
#include "height_estimate.h"
#include "main_window_units.h"
#include "number_to_text.h"
#include "program_constants.h"
#include "property_access.h"
#include "text_join.h"
#include "text_memory.h"
#include "text_to_number.h"

namespace {
// Property 8 of an edit box is its text.
constexpr std::int32_t kTextProperty = kFirstOwnProperty;
}  // namespace

void OnEstimateClick() {
  // NOLINTNEXTLINE(performance-no-int-to-ptr): a text travels as a pointer in the property value
  auto* entry = reinterpret_cast<char*>(
      ReadProperty(kMainWindowNumber, main_window_unit::kEditBox1, kTextProperty, kWholeProperty).low);

  const TypedValue entry_argument = TextArgument(entry != nullptr ? entry : program_constants::EmptyText());
  const double shoe_size = NumberResult(CallCommand(TextToNumberCommand, 1, &entry_argument));
  ReleaseMemory(entry);

  const double height = EstimateHeight(shoe_size);

  const TypedValue height_argument = NumberArgument(height);
  char* height_text = TextResult(CallCommand(NumberToTextCommand, 1, &height_argument));
  char* output = JoinTexts({height_text, program_constants::CmSuffix()});
  ReleaseMemory(height_text);

  WriteProperty(kMainWindowNumber, main_window_unit::kEditBox2, kTextProperty, kWholeProperty,
                reinterpret_cast<std::uintptr_t>(output), 0);
  ReleaseMemory(output);
}
