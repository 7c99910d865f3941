// Property access through an edit box whose system control is simulated:
// fresh text values on every read, null for an empty box, copies on write,
// and exactly one content changed event per write.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "edit_box_object.h"
#include "gbk_text.h"
#include "property_access.h"
#include "shell_fixture.h"
#include "text_memory.h"

namespace {

constexpr std::uint32_t kWindowNumber = 1375797249;
constexpr std::uint32_t kEntry = 369164294;
constexpr std::uint32_t kOutput = 369164293;
constexpr std::uint32_t kLabel = 369164299;
constexpr std::int32_t kText = 8;

// A single-line edit control as the system behaves: it reports EN_CHANGE to
// its parent whenever its text is set, and a self-sent change notice comes
// straight back.
class SimulatedEditBox final : public EditBoxObject {
 public:
  using EditBoxObject::EditBoxObject;
  bool IsLive() const override { return live; }

  std::string contents;
  bool live = true;
  int set_text_calls = 0;

 protected:
  std::int32_t ControlTextLength() override { return static_cast<std::int32_t>(contents.size()); }
  std::int32_t ControlText(char* buffer, std::int32_t size) override {
    const auto copied = std::min<std::size_t>(contents.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, contents.data(), copied);
    buffer[copied] = '\0';
    return static_cast<std::int32_t>(copied);
  }
  void SetControlText(const char* text) override {
    ++set_text_calls;
    contents = text;
    OnNotification(edit_notice::kChange);  // the system's own report
  }
  void SendOwnChangeNotice() override { OnNotification(edit_notice::kChange); }
};

int changes = 0;
std::string text_seen_by_handler;

HandlerResult CountChange(const std::int32_t*, std::int32_t) {
  ++changes;
  // The new text is in place when the event arrives.
  const PropertyValue now = ReadProperty(kWindowNumber, kOutput, kText, kWholeProperty);
  auto* text = reinterpret_cast<char*>(now.low);  // NOLINT(performance-no-int-to-ptr)
  text_seen_by_handler = text != nullptr ? text : "(null)";
  ReleaseMemory(text);
  return {};
}

class PropertyAccess : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    changes = 0;
    text_seen_by_handler.clear();
    WindowDescription window =
        Window(kWindowNumber,
               {{kLabel, control_type::kLabel}, {kEntry, control_type::kEditBox}, {kOutput, control_type::kEditBox}});
    window.records[3].event_bindings = {{0, 1, &CountChange}};
    Shell().windows.push_back(window);
    Shell().windows[0].records[2].object = &entry_;
    Shell().windows[0].records[3].object = &output_;
  }

  static char* Read(std::uint32_t control) {
    return reinterpret_cast<char*>(  // NOLINT(performance-no-int-to-ptr)
        ReadProperty(kWindowNumber, control, kText, kWholeProperty).low);
  }
  static void Write(std::uint32_t control, const char* text) {
    WriteProperty(kWindowNumber, control, kText, kWholeProperty, reinterpret_cast<std::uintptr_t>(text), 0);
  }

  SimulatedEditBox entry_{kWindowNumber, kEntry};
  SimulatedEditBox output_{kWindowNumber, kOutput};
};

struct ReadRow {
  std::string contents;
  std::optional<std::string> expected;  // none: the read gives null
};

class EditBoxRead : public PropertyAccess, public ::testing::WithParamInterface<ReadRow> {};

TEST_P(EditBoxRead, GivesAFreshCopyOrNull) {
  entry_.contents = GetParam().contents;
  char* first = Read(kEntry);
  char* second = Read(kEntry);
  if (!GetParam().expected) {
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(second, nullptr);
    return;
  }
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second) << "two reads, two text values";
  EXPECT_EQ(first, *GetParam().expected);
  EXPECT_EQ(second, *GetParam().expected);
  ReleaseMemory(first);
  ReleaseMemory(second);
}

INSTANTIATE_TEST_SUITE_P(Contents, EditBoxRead,
                         ::testing::Values(ReadRow{"", std::nullopt}, ReadRow{"40", "40"},
                                           ReadRow{"  4 0 ", "  4 0 "},                      // nothing trimmed
                                           ReadRow{"\xA3\xB4\xA3\xB0", "\xA3\xB4\xA3\xB0"},  // full-width 40
                                           ReadRow{std::string("12\0"
                                                               "34",
                                                               5),
                                                   "12"},  // cut at the first zero
                                           ReadRow{std::string(70000, 'x'), std::string(70000, 'x')}));

TEST_F(PropertyAccess, ReadFollowsWhatTheUserTyped) {
  entry_.contents = "41";
  char* before = Read(kEntry);
  entry_.contents = "39";
  char* after = Read(kEntry);
  EXPECT_STREQ(before, "41");
  EXPECT_STREQ(after, "39");
  ReleaseMemory(before);
  ReleaseMemory(after);
}

TEST_F(PropertyAccess, EachWriteRaisesOneChangeWithTheTextInPlace) {
  Write(kOutput, "175 CM");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(text_seen_by_handler, "175 CM");
  Write(kOutput, "175 CM");  // the same text again: one more event
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(output_.set_text_calls, 2);
  EXPECT_FALSE(output_.BeingWritten());
}

TEST_F(PropertyAccess, TheControlsOwnChangeReportsStillRaiseOutsideWrites) {
  output_.OnNotification(edit_notice::kChange);  // the user typed
  EXPECT_EQ(changes, 1);
}

TEST_F(PropertyAccess, WriteCopiesAndNullEmpties) {
  char* mine = static_cast<char*>(AllocateMemory(7));
  std::memcpy(mine, "178.5", 6);
  Write(kOutput, mine);
  std::memset(mine, '#', 6);  // the caller may reuse or release its text at once
  ReleaseMemory(mine);
  EXPECT_EQ(output_.contents, "178.5");

  Write(kOutput, nullptr);
  EXPECT_EQ(output_.contents, "");
  Write(kOutput, "x");
  Write(kOutput, "");
  EXPECT_EQ(output_.contents, "");
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(Read(kOutput), nullptr);
}

TEST_F(PropertyAccess, CommonPropertiesComeFromTheDescription) {
  DescriptionRecord& entry = Shell().windows[0].records[2];
  entry.left = 72;
  entry.top = -24;
  entry.flags = record_flag::kVisible;
  EXPECT_EQ(ReadProperty(kWindowNumber, kEntry, 0, kWholeProperty).low, 72u);
  EXPECT_EQ(ReadProperty(kWindowNumber, kEntry, 1, kWholeProperty).low, 0xFFFFFFE8u);
  EXPECT_EQ(ReadProperty(kWindowNumber, kEntry, 5, kWholeProperty).low, 1u);
  EXPECT_EQ(ReadProperty(kWindowNumber, kEntry, 6, kWholeProperty).low, 0u);
  // Writes to them change nothing and raise nothing.
  WriteProperty(kWindowNumber, kOutput, 0, kWholeProperty, 5, 0);
  EXPECT_EQ(changes, 0);
}

// Under Windows the error box would wait for a user: the fatal paths are
// checked on the native stand-ins only.
#ifndef _WIN32
struct AccessFatalRow {
  const char* what;
  std::uint32_t window;
  std::uint32_t control;
  bool kill_entry;
  const char* text;
};

class PropertyAccessDeathTest : public PropertyAccess, public ::testing::WithParamInterface<AccessFatalRow> {};

TEST_P(PropertyAccessDeathTest, ReadAndWriteEndTheProgram) {
  const AccessFatalRow& row = GetParam();
  entry_.live = !row.kill_entry;
  const std::string box = std::string(gbk::kErrorMessage) + row.text + "\r\n$";
  EXPECT_EXIT(
      {
        Shell().platform = &SystemPlatform();
        ReadProperty(row.window, row.control, kText, kWholeProperty);
      },
      ::testing::ExitedWithCode(255), box)
      << row.what;
  EXPECT_EXIT(
      {
        Shell().platform = &SystemPlatform();
        WriteProperty(row.window, row.control, kText, kWholeProperty, 0, 0);
      },
      ::testing::ExitedWithCode(255), box)
      << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, PropertyAccessDeathTest,
    ::testing::Values(AccessFatalRow{"unknown window", 1375797250, kEntry, false, gbk::kWindowNotLoaded},
                      AccessFatalRow{"control not live", kWindowNumber, kEntry, true, gbk::kControlNotLive},
                      AccessFatalRow{"empty object slot", kWindowNumber, kLabel, false, gbk::kControlNotLive},
                      AccessFatalRow{"control not in the window", kWindowNumber, 1, false, gbk::kControlNotLive}));
#endif

}  // namespace
