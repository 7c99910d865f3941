// The window's answer to a key press: Tab and Shift+Tab, Enter's road to a
// default push button, Esc, F1, arrows among radio buttons, Alt mnemonics.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "key_code.h"
#include "window_keys.h"

namespace {

using Action = WindowKeyAction;
constexpr FocusDirection kForward = FocusDirection::kForward;
constexpr FocusDirection kBackward = FocusDirection::kBackward;

KeyRecord Window() { return KeyRecord{}; }
KeyRecord EditBox(std::int32_t tab_order = 0) { return KeyRecord{.focus = {true, tab_order}}; }
KeyRecord MultiLineBox() { return KeyRecord{.focus = {true, 0}, .claims_enter = true}; }
KeyRecord Button(std::string text, bool is_default = false) {
  return KeyRecord{.focus = {true, 0}, .default_button = is_default, .mnemonic_holder = true, .text = std::move(text)};
}
KeyRecord Label(std::string text, std::int32_t tab_order = 0) {
  return KeyRecord{.focus = {false, tab_order, true}, .mnemonic_holder = true, .text = std::move(text)};
}
KeyRecord HiddenButton(std::string text) { return KeyRecord{.text = std::move(text)}; }
KeyRecord Radio(bool shown = true) {
  return KeyRecord{.focus = {shown, 0}, .radio_button = shown, .mnemonic_holder = shown, .text = "radio"};
}

// The main window: the window, 标签4 "Quorrel", 标签3 (the note), 标签2
// "身高：", 编辑框1 (4), 编辑框2 (5), 按钮1 "biubiu" (6), 标签1 "尺码：".
const std::vector<KeyRecord> kMainWindow = {
    Window(),  Label("Quorrel"), Label("\xD7\xA2\xA3\xBA"), Label("\xC9\xED\xB8\xDF\xA3\xBA"),
    EditBox(), EditBox(),        Button("biubiu"),          Label("\xB3\xDF\xC2\xEB\xA3\xBA")};

// 1 multi-line box, 2 default button, 3 one-line box, 4 default button,
// 5 plain button.
const std::vector<KeyRecord> kDefaultButtons = {Window(),  MultiLineBox(),      Button("one", true),
                                                EditBox(), Button("two", true), Button("plain")};

// Only the window's own record says it is a default button.
const std::vector<KeyRecord> kWindowRecordOnly = {KeyRecord{.default_button = true}, EditBox()};

// 1 label "&Name:", 2 box, 3 label "a && b", 4 button "Sa&ve", 5 hidden button
// "&Hide", 6 label "尺&N" (a double-byte character before it), 7 box, 8 label
// "&name again", 9 button "Item &1".
const std::vector<KeyRecord> kMnemonics = {Window(),
                                           Label("&Name:", 1),
                                           EditBox(0),
                                           Label("a && b"),
                                           Button("Sa&ve"),
                                           HiddenButton("&Hide"),
                                           Label("\xB3\xDF&N"),
                                           EditBox(1),
                                           Label("&name again"),
                                           Button("Item &1")};

// 1, 2 and 5 are shown radio buttons, 3 a box, 4 a hidden radio button; in
// focus order the radio buttons are 5, 2, 1.
const std::vector<KeyRecord> kRadios = {Window(), Radio(), Radio(), EditBox(), Radio(false), Radio()};
const std::vector<KeyRecord> kOneRadio = {Window(), Radio(), EditBox()};

struct Settings {
  bool enter_moves_focus = false;
  bool esc_closes = true;
  bool f1_opens_help = false;
  bool help_file_exists = false;
};

struct KeyRow {
  const char* what;
  std::uint16_t code;
  const std::vector<KeyRecord>* records;
  std::optional<std::size_t> focused;
  Settings settings;
  WindowKeyDecision decision;
};

class WindowKey : public ::testing::TestWithParam<KeyRow> {};

const char* ActionName(Action action) {
  switch (action) {
    case Action::kPass:
      return "pass";
    case Action::kConsume:
      return "consume";
    case Action::kMoveFocus:
      return "move focus";
    case Action::kMoveFocusFromLabel:
      return "move focus from label";
    case Action::kClick:
      return "click";
    case Action::kPressButton:
      return "press button";
    case Action::kSelectRadio:
      return "select radio";
    case Action::kClose:
      return "close";
    case Action::kOpenHelp:
      return "open help";
  }
  return "?";
}

TEST_P(WindowKey, Decision) {
  const KeyRow& row = GetParam();
  const WindowKeySettings settings{row.settings.enter_moves_focus, row.settings.esc_closes, row.settings.f1_opens_help,
                                   row.settings.help_file_exists};
  const WindowKeyDecision decision = DecideWindowKey(row.code, *row.records, row.focused, settings);
  EXPECT_EQ(ActionName(decision.action), std::string(ActionName(row.decision.action)))
      << row.what << ": code=0x" << std::hex << row.code;
  switch (row.decision.action) {
    case Action::kMoveFocus:
      EXPECT_EQ(decision.direction, row.decision.direction) << row.what;
      break;
    case Action::kMoveFocusFromLabel:
    case Action::kClick:
    case Action::kPressButton:
    case Action::kSelectRadio:
      EXPECT_EQ(decision.record, row.decision.record) << row.what;
      break;
    default:
      break;
  }
}

constexpr WindowKeyDecision Pass{Action::kPass};
constexpr WindowKeyDecision Consume{Action::kConsume};
constexpr WindowKeyDecision Close{Action::kClose};
constexpr WindowKeyDecision Help{Action::kOpenHelp};
constexpr WindowKeyDecision Forward{Action::kMoveFocus, kForward};
constexpr WindowKeyDecision Backward{Action::kMoveFocus, kBackward};
constexpr WindowKeyDecision Click(std::size_t record) { return {Action::kClick, kForward, record}; }
constexpr WindowKeyDecision FromLabel(std::size_t record) { return {Action::kMoveFocusFromLabel, kForward, record}; }
constexpr WindowKeyDecision Press(std::size_t record) { return {Action::kPressButton, kForward, record}; }
constexpr WindowKeyDecision Select(std::size_t record) { return {Action::kSelectRadio, kForward, record}; }

INSTANTIATE_TEST_SUITE_P(
    MainWindow, WindowKey,
    ::testing::Values(KeyRow{"Tab on 按钮1", 0x0009, &kMainWindow, 6, {}, Forward},
                      KeyRow{"Shift+Tab on 编辑框1", 0x4009, &kMainWindow, 4, {}, Backward},
                      KeyRow{"Tab with the focus on no record", 0x0009, &kMainWindow, std::nullopt, {}, Forward},
                      KeyRow{"Ctrl+Tab is no Tab", 0x2009, &kMainWindow, 6, {}, Pass},
                      KeyRow{"Alt+Tab is no Tab", 0x8009, &kMainWindow, 6, {}, Pass},
                      KeyRow{"Ctrl+Shift+Tab is no Shift+Tab", 0x6009, &kMainWindow, 6, {}, Pass},
                      KeyRow{"Enter on 按钮1 (not a default button)", 0x000D, &kMainWindow, 6, {}, Pass},
                      KeyRow{"Enter in 编辑框1", 0x000D, &kMainWindow, 4, {}, Pass},
                      KeyRow{"Enter in 编辑框2", 0x000D, &kMainWindow, 5, {}, Pass},
                      KeyRow{"Esc in 编辑框1", 0x001B, &kMainWindow, 4, {}, Close},
                      KeyRow{"Esc on 按钮1", 0x001B, &kMainWindow, 6, {}, Close},
                      KeyRow{"Esc when Esc does not close", 0x001B, &kMainWindow, 6, {.esc_closes = false}, Pass},
                      KeyRow{"Shift+Esc is no Esc", 0x401B, &kMainWindow, 6, {}, Pass},
                      KeyRow{"F1 without help", 0x0070, &kMainWindow, 6, {}, Pass},
                      KeyRow{"Alt+F4 stays the system's", 0x8073, &kMainWindow, 6, {}, Pass},
                      KeyRow{"Alt+Space stays the system's", 0x8020, &kMainWindow, 6, {}, Pass},
                      KeyRow{"Alt+B: no mnemonic in biubiu", 0x8042, &kMainWindow, 6, {}, Pass},
                      KeyRow{"Right on 按钮1: no radio buttons", 0x0027, &kMainWindow, 6, {}, Pass},
                      KeyRow{"Down in 编辑框1", 0x0028, &kMainWindow, 4, {}, Pass},
                      KeyRow{"a letter", 0x0041, &kMainWindow, 4, {}, Pass}));

INSTANTIATE_TEST_SUITE_P(
    EnterAndHelp, WindowKey,
    ::testing::Values(
        KeyRow{"on a default button: its own click", 0x000D, &kDefaultButtons, 4, {}, Click(4)},
        KeyRow{"in a one-line box: the first default button", 0x000D, &kDefaultButtons, 3, {}, Click(2)},
        KeyRow{"on a plain button: the first default button", 0x000D, &kDefaultButtons, 5, {}, Click(2)},
        KeyRow{"focus on no record: the first default button", 0x000D, &kDefaultButtons, std::nullopt, {}, Click(2)},
        KeyRow{"a multi-line box keeps Enter", 0x000D, &kDefaultButtons, 1, {}, Pass},
        KeyRow{"a multi-line box keeps Enter even when it moves focus",
               0x000D,
               &kDefaultButtons,
               1,
               {.enter_moves_focus = true},
               Pass},
        KeyRow{"a multi-line box does not keep Tab", 0x0009, &kDefaultButtons, 1, {}, Forward},
        KeyRow{
            "Enter moves focus from a one-line box", 0x000D, &kDefaultButtons, 3, {.enter_moves_focus = true}, Forward},
        KeyRow{"a focused default button beats moving focus",
               0x000D,
               &kDefaultButtons,
               4,
               {.enter_moves_focus = true},
               Click(4)},
        KeyRow{"Ctrl+Enter is no Enter", 0x200D, &kDefaultButtons, 3, {}, Pass},
        KeyRow{"the window's own record is never searched", 0x000D, &kWindowRecordOnly, 1, {}, Pass},
        KeyRow{"F1 with help and its file",
               0x0070,
               &kMainWindow,
               6,
               {.f1_opens_help = true, .help_file_exists = true},
               Help},
        KeyRow{"F1 with help but no file", 0x0070, &kMainWindow, 6, {.f1_opens_help = true}, Pass},
        KeyRow{"Shift+F1 is no F1", 0x4070, &kMainWindow, 6, {.f1_opens_help = true, .help_file_exists = true}, Pass}));

INSTANTIATE_TEST_SUITE_P(
    Mnemonics, WindowKey,
    ::testing::Values(KeyRow{"Alt+N: the first label marking N", 0x804E, &kMnemonics, 2, {}, FromLabel(1)},
                      KeyRow{"Alt+V: the button", 0x8056, &kMnemonics, 2, {}, Press(4)},
                      KeyRow{"Alt+1: a digit", 0x8031, &kMnemonics, 2, {}, Press(9)},
                      KeyRow{"Alt+B: && is a plain &", 0x8042, &kMnemonics, 2, {}, Pass},
                      KeyRow{"Alt+H: a hidden button does not count", 0x8048, &kMnemonics, 2, {}, Pass},
                      KeyRow{"Alt+S: S is not marked", 0x8053, &kMnemonics, 2, {}, Pass},
                      KeyRow{"Ctrl+Alt+N", 0xA04E, &kMnemonics, 2, {}, Pass},
                      KeyRow{"Shift+Alt+N", 0xC04E, &kMnemonics, 2, {}, Pass},
                      KeyRow{"N without Alt", 0x004E, &kMnemonics, 2, {}, Pass}));

INSTANTIATE_TEST_SUITE_P(
    Arrows, WindowKey,
    ::testing::Values(KeyRow{"Right: the next radio button", 0x0027, &kRadios, 2, {}, Select(1)},
                      KeyRow{"Down: the next radio button", 0x0028, &kRadios, 2, {}, Select(1)},
                      KeyRow{"Left: the previous radio button", 0x0025, &kRadios, 2, {}, Select(5)},
                      KeyRow{"Up from the first wraps to the last", 0x0026, &kRadios, 5, {}, Select(1)},
                      KeyRow{"Right from the last wraps to the first", 0x0027, &kRadios, 1, {}, Select(5)},
                      KeyRow{"Right in a box is the box's", 0x0027, &kRadios, 3, {}, Pass},
                      KeyRow{"Ctrl+Right is no Right", 0x2027, &kRadios, 2, {}, Pass},
                      KeyRow{"a lone radio button keeps the key", 0x0027, &kOneRadio, 1, {}, Consume}));

struct MnemonicRow {
  const char* text;
  char character;
  bool marked;
};

class MnemonicInText : public ::testing::TestWithParam<MnemonicRow> {};

TEST_P(MnemonicInText, AmpersandBeforeTheCharacter) {
  EXPECT_EQ(HasMnemonic(GetParam().text, GetParam().character), GetParam().marked)
      << "text=\"" << GetParam().text << "\" character=" << GetParam().character;
}

INSTANTIATE_TEST_SUITE_P(Texts, MnemonicInText,
                         ::testing::Values(MnemonicRow{"&File", 'F', true}, MnemonicRow{"&file", 'F', true},
                                           MnemonicRow{"&File", 'f', true}, MnemonicRow{"F&ile", 'I', true},
                                           MnemonicRow{"F&ile", 'F', false}, MnemonicRow{"&&File", 'F', false},
                                           MnemonicRow{"&&&File", 'F', true}, MnemonicRow{"A&&B", 'B', false},
                                           MnemonicRow{"File&", 'F', false}, MnemonicRow{"", 'A', false},
                                           MnemonicRow{"&9 items", '9', true}, MnemonicRow{"& A", 'A', false},
                                           MnemonicRow{"\xB3\xDF&N", 'N', true},  // after a double-byte character
                                           MnemonicRow{"\xB3\xDF\xC2\xEB\xA3\xBA", 'A', false}  // 尺码：
                                           ));

}  // namespace
