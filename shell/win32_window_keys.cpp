// The window's keyboard handling and focus placement: what the window knows
// of its records is read from the live controls, the decisions are made in
// window_keys.cpp and focus_choice.cpp, and carried out here.
#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "control_input_events.h"
#include "event_delivery.h"
#include "key_code.h"
#include "win32_form_window.h"
#include "window_keys.h"
#include "window_registry.h"

namespace {

constexpr std::int32_t kWindowGotFocusEvent = -7;
constexpr std::int32_t kClickEvent = 0;

HWND HandleOf(const DescriptionRecord& record) {
  if (!IsLive(record)) return nullptr;
  const auto* control = dynamic_cast<const Win32Control*>(record.object);
  return control != nullptr ? control->Handle() : nullptr;
}

bool CanTakeFocus(std::uint32_t type) { return type == control_type::kEditBox || type == control_type::kButton; }

// The record whose object's window is window itself.
std::optional<std::size_t> RecordOf(const WindowDescription& description, HWND window) {
  if (window == nullptr) return std::nullopt;
  for (std::size_t record = 0; record < description.records.size(); ++record) {
    if (HandleOf(description.records[record]) == window) return record;
  }
  return std::nullopt;
}

// The record whose object's window is window or its nearest ancestor within
// the form window `form`; none for a window outside it.
std::optional<std::size_t> RecordHolding(const WindowDescription& description, HWND form, HWND window) {
  if (window == nullptr || (window != form && ::IsChild(form, window) == FALSE)) return std::nullopt;
  for (HWND at = window; at != nullptr; at = ::GetParent(at)) {
    if (const auto record = RecordOf(description, at)) return record;
    if (at == form) break;
  }
  return std::nullopt;
}

FocusCandidate FocusCandidateOf(const DescriptionRecord& record, HWND control) {
  FocusCandidate candidate{false, record.tab_order, record.control_type == control_type::kLabel};
  candidate.eligible = control != nullptr && CanTakeFocus(record.control_type) && record.IsTabStop() &&
                       ::IsWindowVisible(control) != FALSE && ::IsWindowEnabled(control) != FALSE;
  return candidate;
}

std::vector<FocusCandidate> FocusCandidates(const WindowDescription& description) {
  std::vector<FocusCandidate> candidates;
  candidates.reserve(description.records.size());
  for (const DescriptionRecord& record : description.records) {
    candidates.push_back(FocusCandidateOf(record, HandleOf(record)));
  }
  return candidates;
}

std::string WindowTextOf(HWND window) {
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

// Texts are read only when a mnemonic is looked for.
std::vector<KeyRecord> KeyRecords(const WindowDescription& description, bool with_texts) {
  std::vector<KeyRecord> records;
  records.reserve(description.records.size());
  for (const DescriptionRecord& record : description.records) {
    KeyRecord& key = records.emplace_back();
    const HWND control = HandleOf(record);
    key.focus = FocusCandidateOf(record, control);
    if (control == nullptr) continue;
    const bool visible = ::IsWindowVisible(control) != FALSE;
    const bool enabled = ::IsWindowEnabled(control) != FALSE;
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(control, GWL_STYLE));
    if (record.control_type == control_type::kEditBox) {
      key.claims_enter = (style & ES_MULTILINE) != 0 && (style & ES_READONLY) == 0;
    }
    if (record.control_type == control_type::kButton) {
      const DWORD kind = style & BS_TYPEMASK;
      key.default_button = enabled && kind == BS_DEFPUSHBUTTON;
      key.radio_button = visible && enabled && (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON);
    }
    if (record.control_type == control_type::kLabel || record.control_type == control_type::kButton) {
      key.mnemonic_holder = visible && enabled;
      if (key.mnemonic_holder && with_texts) key.text = WindowTextOf(control);
    }
  }
  return records;
}

ModifierState HeldModifiers() {
  return ModifierState{::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_MENU) < 0};
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

bool FormWindow::TranslateWindowKey(const MSG& message) {
  const bool keyboard = IsKeyboardMessage(message.message);
  if (keyboard && ::IsWindowEnabled(message.hwnd) == FALSE) return false;
  // Only a window with a menu has an accelerator table; these windows have no
  // menu, so no message is translated as an accelerator.
  if (message.hwnd != window_ && ::IsChild(window_, message.hwnd) == FALSE) return false;

  if (properties_.drag_anywhere && message.message == WM_LBUTTONDOWN && message.hwnd == window_) {
    // As if the caption had been pressed: the system drags the window.
    ::PostMessageA(window_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(message.pt.x, message.pt.y));
  }

  std::uint16_t code = 0;
  if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN || message.message == WM_KEYUP ||
      message.message == WM_SYSKEYUP) {
    code = MakeKeyCode(message.wParam, HeldModifiers());
  }
  if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && AnswerKey(code)) return true;
  return OfferToControl(message, code);
}

bool FormWindow::AnswerKey(std::uint16_t code) {
  WindowDescription* description = FindWindowDescription(WindowNumber());
  if (description == nullptr) return false;
  const HWND focus = ::GetFocus();
  const std::vector<KeyRecord> records = KeyRecords(*description, AltMnemonicCharacter(code) != 0);

  WindowKeySettings settings;
  settings.enter_moves_focus = properties_.enter_moves_focus;
  settings.esc_closes = properties_.esc_closes;
  settings.f1_opens_help = properties_.f1_opens_help;
  settings.help_file_exists = code == key_code::kF1 && properties_.f1_opens_help && FileExists(properties_.help_file);

  const WindowKeyDecision decision = DecideWindowKey(code, records, RecordOf(*description, focus), settings);
  // Clicks and closing may run handlers that destroy this window: nothing of
  // the object is used after them.
  const HWND window = window_;
  const HWND target =
      decision.record < description->records.size() ? HandleOf(description->records[decision.record]) : nullptr;
  switch (decision.action) {
    case WindowKeyAction::kPass:
      return false;
    case WindowKeyAction::kConsume:
      return true;
    case WindowKeyAction::kMoveFocus:
      MoveFocus(focus, decision.direction);
      return true;
    case WindowKeyAction::kMoveFocusFromLabel:
      MoveFocus(target, FocusDirection::kForward);
      return true;
    case WindowKeyAction::kClick:
      RaiseControlEvent(WindowNumber(), description->records[decision.record].unit_number, kClickEvent);
      return true;
    case WindowKeyAction::kPressButton:
      ::SendMessageA(target, BM_CLICK, 0, 0);
      return true;
    case WindowKeyAction::kSelectRadio:
      ::SetFocus(target);
      ::SendMessageA(target, BM_CLICK, 0, 0);
      return true;
    case WindowKeyAction::kClose:
      ::SendMessageA(window, WM_CLOSE, 0, 0);
      return true;
    case WindowKeyAction::kOpenHelp: {
      const auto context = static_cast<ULONG_PTR>(static_cast<std::uint32_t>(properties_.help_context));
      ::WinHelpA(window, properties_.help_file.c_str(), context != 0 ? HELP_CONTEXT : HELP_FINDER, context);
      return true;
    }
  }
  return false;
}

bool FormWindow::OfferToControl(const MSG& message, std::uint16_t code) {
  const std::optional<ControlInputEvent> input =
      ControlInputEventOf(message.message, message.wParam, static_cast<std::uint64_t>(message.lParam), code);
  if (!input) return false;
  WindowDescription* description = FindWindowDescription(WindowNumber());
  if (description == nullptr) return false;
  const std::optional<std::size_t> record = RecordHolding(*description, window_, message.hwnd);
  if (!record) return false;
  const std::uint32_t control = *record == 0 ? 0 : description->records[*record].unit_number;
  EventNotice notice = MakeEventNotice(WindowNumber(), control, input->event);
  notice.argument_count = input->argument_count;
  for (std::int32_t i = 0; i < input->argument_count; ++i) notice.arguments[i] = input->arguments[i];
  const bool ran = RaiseEvent(notice);
  // A handler that answers false swallows the input.
  return ran && notice.result_given != 0 && notice.result == 0;
}

void FormWindow::MoveFocus(HWND focused, FocusDirection direction) {
  WindowDescription* description = FindWindowDescription(WindowNumber());
  if (description == nullptr) return;
  const std::optional<std::size_t> current = RecordHolding(*description, window_, focused);
  if (!current) return;
  const std::optional<std::size_t> target = NextFocusTarget(FocusCandidates(*description), *current, direction);
  if (!target) return;
  const HWND control = HandleOf(description->records[*target]);
  if (control != nullptr && ::GetFocus() != control) ::SetFocus(control);
}

void FormWindow::FocusFirstControl() {
  const std::uint32_t window_number = WindowNumber();
  RaiseWindowEvent(kWindowGotFocusEvent);
  // A handler may have closed the window, which empties its record's slot.
  const DescriptionRecord* own = FindControlRecord(window_number, 0);
  if (own == nullptr || own->object != this) return;

  const HWND remembered = std::exchange(remembered_control_, nullptr);
  if (remembered != nullptr && ::IsChild(window_, remembered) != FALSE) {
    ::SetFocus(remembered);
    return;
  }
  WindowDescription* description = FindWindowDescription(window_number);
  if (description == nullptr) return;
  if (const auto chosen = FirstFocusTarget(FocusCandidates(*description))) {
    ::SetFocus(HandleOf(description->records[*chosen]));
  }
}
