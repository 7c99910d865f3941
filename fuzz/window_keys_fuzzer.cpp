// The keyboard decisions over arbitrary windows and keys: control texts are
// whatever bytes a control holds, tab orders any 32-bit value. Whatever the
// decision, it names a record that exists and fits the action.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "focus_choice.h"
#include "key_code.h"
#include "window_keys.h"

namespace {

// Takes bytes from the front of the input; zeros once it is used up.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::int32_t Int32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
    return static_cast<std::int32_t>(value);
  }
  std::string Text(std::size_t length) {
    std::string text;
    while (text.size() < length && at_ < size_) text.push_back(static_cast<char>(Byte()));
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  const std::size_t count = input.Byte() % 12;
  const auto code = static_cast<std::uint16_t>((input.Byte() << 8) | input.Byte());
  const std::uint8_t settings_bits = input.Byte();
  const std::uint8_t focus_byte = input.Byte();

  std::vector<KeyRecord> records(count);
  std::vector<FocusCandidate> candidates;
  for (KeyRecord& record : records) {
    const std::uint8_t bits = input.Byte();
    record.focus = FocusCandidate{(bits & 1) != 0, input.Int32(), (bits & 2) != 0};
    record.claims_enter = (bits & 4) != 0;
    record.default_button = (bits & 8) != 0;
    record.radio_button = (bits & 16) != 0;
    record.mnemonic_holder = (bits & 32) != 0;
    record.text = input.Text(input.Byte() % 16);
    candidates.push_back(record.focus);
  }
  const std::optional<std::size_t> focused =
      focus_byte == 0xFF ? std::nullopt : std::optional<std::size_t>(focus_byte % 16);
  const WindowKeySettings settings{(settings_bits & 1) != 0, (settings_bits & 2) != 0, (settings_bits & 4) != 0,
                                   (settings_bits & 8) != 0};

  const WindowKeyDecision decision = DecideWindowKey(code, records, focused, settings);
  switch (decision.action) {
    case WindowKeyAction::kClick:
      Check(decision.record < count && records[decision.record].default_button);
      break;
    case WindowKeyAction::kMoveFocusFromLabel:
    case WindowKeyAction::kPressButton:
      Check(decision.record >= 1 && decision.record < count && records[decision.record].mnemonic_holder);
      Check(HasMnemonic(records[decision.record].text, AltMnemonicCharacter(code)));
      break;
    case WindowKeyAction::kSelectRadio:
      Check(decision.record < count && records[decision.record].radio_button);
      break;
    default:
      break;
  }

  const std::vector<std::size_t> order = FocusOrder(candidates);
  for (std::size_t i = 0; i < order.size(); ++i) {
    Check(order[i] >= 1 && order[i] < count && candidates[order[i]].eligible);
    if (i > 0) {
      const std::int32_t before = candidates[order[i - 1]].tab_order;
      const std::int32_t here = candidates[order[i]].tab_order;
      Check(before < here || (before == here && order[i - 1] > order[i]));
    }
  }
  for (const FocusDirection direction : {FocusDirection::kForward, FocusDirection::kBackward}) {
    const std::optional<std::size_t> target = NextFocusTarget(candidates, focus_byte % 16, direction);
    if (target) Check(*target < count && candidates[*target].eligible);
  }
  return 0;
}
