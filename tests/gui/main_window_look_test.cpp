// What the user sees right after start, read from outside the process: the
// window's caption, place, styles and icons, its seven controls, where the
// focus is, and the pixels on the screen.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "launched_window.h"
#include "screen_capture.h"
#include "window_probe.h"
#include "window_texts.h"

namespace gui {
namespace {

class MainWindowLook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    launched_ = new LaunchedWindow;
    Launch(launched_);
    if (!launched_->main.window) return;
    // Focus and caret as they are before any test touches the window.
    start_focus_.cbSize = sizeof start_focus_;
    GetGUIThreadInfo(GetWindowThreadProcessId(launched_->main.window, nullptr), &start_focus_);
  }
  static void TearDownTestSuite() {
    delete launched_;
    launched_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(launched_->main.window, nullptr) << "the program showed no window"; }

  static HWND window() { return launched_->main.window; }
  static LaunchedWindow* launched_;
  static GUITHREADINFO start_focus_;
};

LaunchedWindow* MainWindowLook::launched_ = nullptr;
GUITHREADINFO MainWindowLook::start_focus_ = {};

TEST_F(MainWindowLook, CaptionIsTheProgramNameAndVersion) {
  char caption[256];
  const int length = GetWindowTextA(window(), caption, sizeof caption);
  EXPECT_EQ(std::string(caption, length > 0 ? length : 0), expected_text::kCaption);
}

TEST_F(MainWindowLook, OuterRectangleIsCentredOnTheScreen) {
  const int cx = GetSystemMetrics(SM_CXSCREEN);
  const int cy = GetSystemMetrics(SM_CYSCREEN);
  RECT r;
  GetWindowRect(window(), &r);
  EXPECT_EQ(r.right - r.left, 421);
  EXPECT_EQ(r.bottom - r.top, 156);
  EXPECT_EQ(r.left, (cx - 421) / 2) << "screen " << cx << "x" << cy;
  EXPECT_EQ(r.top, (cy - 156) / 2) << "screen " << cx << "x" << cy;
}

TEST_F(MainWindowLook, WindowStylesAreAFixedFrameWithMinimiseAndClose) {
  // WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, shown; the
  // system adds WS_CLIPSIBLINGS to top-level windows and WS_EX_WINDOWEDGE to captioned ones.
  EXPECT_EQ(Style(window()), 0x02CA0000u | WS_VISIBLE | WS_CLIPSIBLINGS) << std::hex << Style(window());
  EXPECT_EQ(ExStyle(window()), static_cast<DWORD>(WS_EX_WINDOWEDGE)) << std::hex << ExStyle(window());
  EXPECT_EQ(GetWindow(window(), GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(window()), nullptr);
  EXPECT_EQ(GetClassLongPtrA(window(), GCL_STYLE), static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
}

TEST_F(MainWindowLook, BigAndSmallIconsAreSet) {
  for (WPARAM kind : {ICON_BIG, ICON_SMALL}) {
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutA(window(), WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, 5000, &icon)) {
      // Wine 8 does not carry WM_GETICON across processes; Windows does.
      GTEST_SKIP() << "WM_GETICON cannot reach another process here (error " << GetLastError() << ")";
    }
    EXPECT_NE(icon, 0u) << (kind == ICON_BIG ? "ICON_BIG" : "ICON_SMALL");
  }
}

struct ControlRow {
  const char* name;
  int id;
  const char* class_name;  // nullptr: the program's own label class
  int left, top, width, height;
  DWORD style;  // as created; the window shows every control afterwards
  DWORD ex_style;
  const char* text;
};

// Places are in the window's client coordinates.
const ControlRow kControls[] = {
    {"label 1", 100, nullptr, 24, 16, 48, 40, 0x44000000, 0, expected_text::kSizeLabel},
    {"button 1", 110, "Button", 296, 40, 104, 32, 0x44012F00, 0, expected_text::kButton},
    {"edit box 2", 120, "Edit", 71, 64, 200, 32, 0x44010080, WS_EX_CLIENTEDGE, ""},
    {"edit box 1", 130, "Edit", 72, 24, 200, 32, 0x44010080, WS_EX_CLIENTEDGE, ""},
    {"label 2", 140, nullptr, 25, 56, 48, 40, 0x44000000, 0, expected_text::kHeightLabel},
    {"label 3", 150, nullptr, 26, 104, 232, 16, 0x44000000, 0, expected_text::kNote},
    {"label 4", 160, nullptr, 304, 88, 88, 32, 0x44000000, 0, expected_text::kName},
};

class MainWindowControl : public MainWindowLook, public ::testing::WithParamInterface<ControlRow> {};

// System class names are compared without regard to case ("Edit", "EDIT").
std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

TEST_P(MainWindowControl, HasItsIdClassPlaceStyleAndText) {
  const ControlRow& row = GetParam();
  HWND control = GetDlgItem(window(), row.id);
  ASSERT_NE(control, nullptr) << row.name << " id " << row.id;
  EXPECT_EQ(GetParent(control), window()) << row.name;
  const std::string class_name = ClassName(control);
  if (row.class_name) {
    EXPECT_EQ(Lower(class_name), Lower(row.class_name)) << row.name;
  } else {
    // A class of the program's own, the same for every label, with the shell's class styles.
    EXPECT_EQ(class_name, ClassName(GetDlgItem(window(), 100))) << row.name;
    WNDCLASSA system_class;
    EXPECT_FALSE(GetClassInfoA(nullptr, class_name.c_str(), &system_class)) << row.name << ": " << class_name;
    EXPECT_EQ(GetClassLongPtrA(control, GCL_STYLE), static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS))
        << row.name;
  }
  const RECT r = RectInParent(control);
  EXPECT_EQ(r.left, row.left) << row.name;
  EXPECT_EQ(r.top, row.top) << row.name;
  EXPECT_EQ(r.right - r.left, row.width) << row.name;
  EXPECT_EQ(r.bottom - r.top, row.height) << row.name;
  EXPECT_EQ(Style(control), row.style | WS_VISIBLE) << row.name << std::hex << " style " << Style(control);
  EXPECT_EQ(ExStyle(control), row.ex_style) << row.name << std::hex << " ex-style " << ExStyle(control);
  EXPECT_EQ(WindowText(control), row.text) << row.name;
}

INSTANTIATE_TEST_SUITE_P(SevenControls, MainWindowControl, ::testing::ValuesIn(kControls));

TEST_F(MainWindowLook, ControlsAreStackedWithLabelFourOnTopAndLabelOneAtTheBottom) {
  std::vector<int> ids;
  for (HWND child : ChildrenTopDown(window())) ids.push_back(ControlId(child));
  EXPECT_EQ(ids, (std::vector<int>{160, 150, 140, 130, 120, 110, 100}));
}

TEST_F(MainWindowLook, FocusStartsOnTheButtonWithNoCaret) {
  EXPECT_EQ(start_focus_.hwndActive, window());
  EXPECT_EQ(start_focus_.hwndFocus, GetDlgItem(window(), 110));
  EXPECT_EQ(start_focus_.hwndCaret, nullptr);
  EXPECT_EQ(GetForegroundWindow(), window());
}

// Pixels of the screen, by the window's client coordinates.
class MainWindowPixels : public MainWindowLook {
 protected:
  void SetUp() override {
    MainWindowLook::SetUp();
    RECT r;
    GetWindowRect(window(), &r);
    capture_ = std::make_unique<ScreenCapture>(r);
    ASSERT_TRUE(capture_->ok()) << "the screen cannot be read";
  }
  COLORREF At(int x, int y) const { return capture_->At(ClientToScreenPoint(window(), x, y)); }
  std::unique_ptr<ScreenCapture> capture_;
};

std::string Hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(c));
  return text;
}

struct AreaRow {
  const char* what;
  int left, top, right, bottom;  // client coordinates, right and bottom exclusive
};

class ButtonFaceArea : public MainWindowPixels, public ::testing::WithParamInterface<AreaRow> {};

TEST_P(ButtonFaceArea, IsButtonFaceAllOver) {
  const AreaRow& row = GetParam();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  int wrong = 0;
  for (int y = row.top; y < row.bottom; ++y) {
    for (int x = row.left; x < row.right; ++x) {
      if (At(x, y) != face && wrong++ < 3) {
        ADD_FAILURE() << row.what << ": (" << x << "," << y << ") is " << Hex(At(x, y)) << ", not " << Hex(face);
      }
    }
  }
  EXPECT_EQ(wrong, 0) << row.what;
}

// Areas where no caption is drawn, and the two columns where label 2 covers edit box 2.
const AreaRow kButtonFaceAreas[] = {
    {"label 1, above its caption", 24, 16, 72, 20},
    {"label 2, above its caption", 25, 56, 64, 60},
    {"label 4, left of its centred caption", 304, 88, 312, 120},
    {"client area right of label 3", 258, 104, 290, 120},
    {"edit box 2's two leftmost columns under label 2", 71, 64, 73, 96},
};

INSTANTIATE_TEST_SUITE_P(Backgrounds, ButtonFaceArea, ::testing::ValuesIn(kButtonFaceAreas));

TEST_F(MainWindowPixels, EditBoxBordersShowWhereNoLabelCoversThem) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // Edit box 1's sunken border at its left edge, level with edit box 2's covered columns.
  EXPECT_NE(At(72, 40), face) << Hex(At(72, 40));
  EXPECT_NE(At(73, 40), face) << Hex(At(73, 40));
  // Edit box 2's white inside starts right after the covered columns.
  EXPECT_EQ(At(73, 80), RGB(255, 255, 255)) << Hex(At(73, 80));
  EXPECT_EQ(At(150, 80), RGB(255, 255, 255)) << Hex(At(150, 80));
}

class LabelCaption : public MainWindowPixels, public ::testing::WithParamInterface<int> {};

TEST_P(LabelCaption, IsDrawnInBlack) {
  const RECT r = RectInParent(GetDlgItem(window(), GetParam()));
  int darkest = 255 * 3, dark_pixels = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = At(x, y);
      const int sum = GetRValue(c) + GetGValue(c) + GetBValue(c);
      if (sum < darkest) darkest = sum;
      if (sum < 3 * 0x60) ++dark_pixels;
    }
  }
  EXPECT_LE(darkest, 3 * 0x10) << "label " << GetParam();
  EXPECT_GE(dark_pixels, 10) << "label " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(FourLabels, LabelCaption, ::testing::Values(100, 140, 150, 160));

}  // namespace
}  // namespace gui
