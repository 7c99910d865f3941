// The main window built in the test's own process, checked where another
// process cannot look: fonts, class settings, the edit box's text band, the
// events of text writes, fresh reads, and the balance of system objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "built_control.h"
#include "description_writer.h"
#include "main_window_description.h"
#include "program_setup.h"
#include "property_access.h"
#include "shell_state.h"
#include "text_memory.h"
#include "win32_form_window.h"

namespace {

constexpr std::int32_t kText = 8;
constexpr std::int32_t kOutputChangedOffset = 500;

int output_changes = 0;

HandlerResult Ignore(const std::int32_t*, std::int32_t) { return {}; }
HandlerResult CountOutputChange(const std::int32_t*, std::int32_t) {
  ++output_changes;
  return {};
}

constexpr HandlerEntry kHandlers[] = {{kEstimateClickHandlerOffset, &Ignore},
                                      {kOutputChangedOffset, &CountOutputChange}};

// The main window's description with the output box's content changed event
// bound, so that its events can be counted.
std::vector<unsigned char> StoredFormWithOutputBinding() {
  std::vector<WindowDescription> windows = MainWindowDescriptions();
  for (DescriptionRecord& record : windows[0].records) {
    if (record.unit_number == main_window_unit::kEditBox2) record.event_bindings = {{0, kOutputChangedOffset}};
  }
  return EncodeWindowDescriptions(windows);
}

class BuiltMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Shell();
    objects_before_ = Shell().live_system_objects;
    output_changes = 0;
    stored_ = StoredFormWithOutputBinding();
    ProgramData program;
    program.descriptions = stored_;
    program.handlers = kHandlers;
    InstallProgramData(Shell(), program);
    ASSERT_TRUE(BuildWindow(Shell().windows[0], false, nullptr));
  }
  void TearDown() override {
    if (HWND window = BuiltControl(main_window_unit::kWindow)) ::DestroyWindow(window);
    EXPECT_EQ(Shell().live_system_objects, objects_before_) << "system objects left after the window went";
    Shell() = saved_;
  }

  static char* Read(std::uint32_t unit) {
    return reinterpret_cast<char*>(ReadProperty(kMainWindowNumber, unit, kText, kWholeProperty).low);
  }
  static void Write(std::uint32_t unit, const char* text) {
    WriteProperty(kMainWindowNumber, unit, kText, kWholeProperty, reinterpret_cast<std::uintptr_t>(text), 0);
  }

  ShellState saved_;
  std::int32_t objects_before_ = 0;
  std::vector<unsigned char> stored_;
};

const std::uint32_t kAllUnits[] = {main_window_unit::kWindow,  main_window_unit::kLabel4,   main_window_unit::kLabel3,
                                   main_window_unit::kLabel2,  main_window_unit::kEditBox1, main_window_unit::kEditBox2,
                                   main_window_unit::kButton1, main_window_unit::kLabel1};

TEST_F(BuiltMainWindow, EveryWindowUsesTheDefaultGuiFont) {
  const auto expected = reinterpret_cast<LRESULT>(::GetStockObject(DEFAULT_GUI_FONT));
  for (const std::uint32_t unit : kAllUnits) {
    const HWND window = BuiltControl(unit);
    ASSERT_NE(window, nullptr) << "unit " << unit;
    EXPECT_EQ(::SendMessageA(window, WM_GETFONT, 0, 0), expected) << "unit " << unit;
  }
}

TEST_F(BuiltMainWindow, ShellClassesPaintTheirOwnBackground) {
  const auto expected_brush = reinterpret_cast<ULONG_PTR>(::GetStockObject(NULL_BRUSH));
  const auto expected_cursor = reinterpret_cast<ULONG_PTR>(::LoadCursorA(nullptr, IDC_ARROW));
  for (const std::uint32_t unit : {main_window_unit::kWindow, main_window_unit::kLabel1}) {
    const HWND window = BuiltControl(unit);
    EXPECT_EQ(::GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS))
        << "unit " << unit;
    EXPECT_EQ(::GetClassLongPtrA(window, GCLP_HBRBACKGROUND), expected_brush) << "unit " << unit;
    EXPECT_EQ(::GetClassLongPtrA(window, GCLP_HCURSOR), expected_cursor) << "unit " << unit;
    EXPECT_EQ(::GetClassLongPtrA(window, GCLP_HICON), 0u) << "unit " << unit;
  }
  char name[16] = "";
  ::GetClassNameA(BuiltControl(main_window_unit::kEditBox1), name, sizeof name);
  EXPECT_STREQ(name, "Edit") << "a system edit control";
}

TEST_F(BuiltMainWindow, EditBoxTextBandIsOneCentredLine) {
  // The height of "W" in the default GUI font, measured independently.
  const HDC screen = ::GetDC(nullptr);
  const HGDIOBJ previous = ::SelectObject(screen, ::GetStockObject(DEFAULT_GUI_FONT));
  SIZE w{};
  ::GetTextExtentPoint32A(screen, "W", 1, &w);
  ::SelectObject(screen, previous);
  ::ReleaseDC(nullptr, screen);

  for (const std::uint32_t unit : {main_window_unit::kEditBox1, main_window_unit::kEditBox2}) {
    const HWND box = BuiltControl(unit);
    RECT outer{};
    ::GetWindowRect(box, &outer);
    ASSERT_EQ(outer.bottom - outer.top, 32) << "unit " << unit;
    RECT band{};
    ::GetClientRect(box, &band);
    EXPECT_EQ(band.bottom - band.top, w.cy) << "unit " << unit;
    POINT band_top{0, 0};
    ::ClientToScreen(box, &band_top);
    const int edge = ::GetSystemMetrics(SM_CYEDGE);
    EXPECT_EQ(band_top.y - outer.top, edge + (32 - 2 * edge - w.cy) / 2) << "unit " << unit;

    // Above the band, inside the box: frame, where a click cannot reach the text.
    const int x = (outer.left + outer.right) / 2;
    EXPECT_EQ(::SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(x, band_top.y - 1)), HTBORDER) << "unit " << unit;
    EXPECT_EQ(::SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(x, band_top.y + 1)), HTCLIENT) << "unit " << unit;
  }
}

TEST_F(BuiltMainWindow, EachWriteRaisesTheContentChangedEventOnce) {
  Write(main_window_unit::kEditBox2, "175 CM");
  EXPECT_EQ(output_changes, 1);
  Write(main_window_unit::kEditBox2, "175 CM");
  EXPECT_EQ(output_changes, 2);
  Write(main_window_unit::kEditBox2, nullptr);
  EXPECT_EQ(output_changes, 3);
  char text[8] = "x";
  ::GetWindowTextA(BuiltControl(main_window_unit::kEditBox2), text, sizeof text);
  EXPECT_STREQ(text, "");
  // The user typing into the box raises it as well.
  ::SetWindowTextA(BuiltControl(main_window_unit::kEditBox2), "9");
  EXPECT_EQ(output_changes, 4);
}

TEST_F(BuiltMainWindow, ReadsAreFreshCopiesAndNullWhenEmpty) {
  EXPECT_EQ(Read(main_window_unit::kEditBox1), nullptr);
  const HWND entry = BuiltControl(main_window_unit::kEditBox1);
  ::SetWindowTextA(entry, " \xA3\xB4\xA3\xB0 ");  // full-width 40 between spaces
  char* first = Read(main_window_unit::kEditBox1);
  char* second = Read(main_window_unit::kEditBox1);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_STREQ(first, " \xA3\xB4\xA3\xB0 ");
  EXPECT_STREQ(second, " \xA3\xB4\xA3\xB0 ");
  ReleaseMemory(first);
  ReleaseMemory(second);
  ::SetWindowTextA(entry, "41");
  char* third = Read(main_window_unit::kEditBox1);
  EXPECT_STREQ(third, "41");
  ReleaseMemory(third);
}

TEST_F(BuiltMainWindow, PaintingLeavesNoObjectBehind) {
  const std::int32_t held = Shell().live_system_objects;
  const HWND window = BuiltControl(main_window_unit::kWindow);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(Shell().live_system_objects, held);
  // Two icons and the two edit boxes' brushes live with the window.
  EXPECT_EQ(held - objects_before_, 4);
}

TEST_F(BuiltMainWindow, FocusStartsOnTheButton) { EXPECT_EQ(::GetFocus(), BuiltControl(main_window_unit::kButton1)); }

}  // namespace
