// The edit box: a system "EDIT" control, subclassed for its one-line text
// band, its colours, its typing filter and its events.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "control_styles.h"
#include "edit_box_object.h"
#include "text_band.h"
#include "typing_filter.h"
#include "win32_control.h"
#include "win32_scoped_gdi.h"
#include "win32_subclass.h"
#include "window_registry.h"

namespace {

// A full-width character of code page 936 ("Ｗ"): the height of a line of
// text in the box's font, for the box's minimum height.
constexpr char kFullWidthCharacter[] = "\xA3\xD7";

class EditBox final : public EditBoxObject, public Win32Control, private SubclassedWindow {
 public:
  EditBox(std::uint32_t window_number, std::uint32_t unit_number, EditBoxProperties properties)
      : EditBoxObject(window_number, unit_number), properties_(std::move(properties)) {}

  bool Create(const CreationParameters& parameters);

  HWND Handle() const override { return window_; }
  bool IsLive() const override { return window_ != nullptr && ::IsWindow(window_) != FALSE; }
  void OnCommandNotice(WORD code) override { OnNotification(code); }
  HBRUSH OnControlColour(HDC dc) override;

 protected:
  std::int32_t ControlTextLength() override { return ::GetWindowTextLengthA(window_); }
  std::int32_t ControlText(char* buffer, std::int32_t size) override { return ::GetWindowTextA(window_, buffer, size); }
  void SetControlText(const char* text) override { ::SetWindowTextA(window_, text); }
  void SendOwnChangeNotice() override {
    ::SendMessageA(window_, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(window_));
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l) override;
  void OnWindowGone() override;

  bool SingleLine() const { return !properties_.multi_line; }
  HFONT ShownFont() const { return font_.get() != nullptr ? font_.get() : DefaultGuiFont(); }
  int TextHeight(const char* text) const;
  void OnNcCalcSize(WPARAM w, LPARAM l) const;
  void FillOutsideBand() const;
  LRESULT HitTest(LRESULT original, LPARAM l) const;
  void EraseBackground(HDC dc) const;
  std::uint32_t Colour(std::uint32_t stored) const { return ResolveColour(stored, ::GetSysColor(COLOR_BTNFACE)); }

  EditBoxProperties properties_;
  scoped::Brush brush_;  // the background, kept while the box lives
  scoped::Font font_;    // the description's font, when it gives one
};

int EditBox::TextHeight(const char* text) const {
  scoped::ClientDc dc(window_);
  if (dc.get() == nullptr) return 0;
  scoped::Selection font(dc.get(), ShownFont());
  SIZE size{};
  ::GetTextExtentPoint32A(dc.get(), text, static_cast<int>(std::strlen(text)), &size);
  return size.cy;
}

void EditBox::OnNcCalcSize(WPARAM w, LPARAM l) const {
  RECT* client = w != FALSE ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(l)->rgrc[0] : reinterpret_cast<RECT*>(l);
  const TextBand band = CentreTextBand(client->top, client->bottom, TextHeight("W"));
  client->top = band.top;
  client->bottom = band.bottom;
}

void EditBox::FillOutsideBand() const {
  // Outside the band is frame now; left unpainted it would show whatever was
  // there before, so it gets the box's background before the border is drawn.
  scoped::WindowDc dc(window_);
  if (dc.get() == nullptr) return;
  RECT outer{};
  ::GetWindowRect(window_, &outer);
  RECT band{};
  ::GetClientRect(window_, &band);
  ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&band), 2);
  ::OffsetRect(&band, -outer.left, -outer.top);
  ::ExcludeClipRect(dc.get(), band.left, band.top, band.right, band.bottom);
  RECT whole{0, 0, outer.right - outer.left, outer.bottom - outer.top};
  ::FillRect(dc.get(), &whole, brush_.get());
}

LRESULT EditBox::HitTest(LRESULT original, LPARAM l) const {
  const POINT point{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  RECT outer{};
  ::GetWindowRect(window_, &outer);
  RECT band{};
  ::GetClientRect(window_, &band);
  ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&band), 2);
  if (::PtInRect(&outer, point) != FALSE && ::PtInRect(&band, point) == FALSE) return HTBORDER;
  return original;
}

void EditBox::EraseBackground(HDC dc) const {
  RECT client{};
  ::GetClientRect(window_, &client);
  ::FillRect(dc, &client, brush_.get());
}

HBRUSH EditBox::OnControlColour(HDC dc) {
  ::SetTextColor(dc, Colour(properties_.text_colour));
  ::SetBkColor(dc, Colour(properties_.background_colour));
  return brush_.get();
}

LRESULT EditBox::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_NCCALCSIZE: {
      const LRESULT result = CallOriginal(message, w, l);
      if (SingleLine()) OnNcCalcSize(w, l);
      return result;
    }
    case WM_NCPAINT:
      if (SingleLine()) FillOutsideBand();
      return CallOriginal(message, w, l);
    case WM_NCHITTEST: {
      const LRESULT result = CallOriginal(message, w, l);
      return SingleLine() ? HitTest(result, l) : result;
    }
    case WM_ERASEBKGND:
      if (!SingleLine()) return CallOriginal(message, w, l);
      EraseBackground(reinterpret_cast<HDC>(w));
      return 1;
    case WM_CHAR:
      if (!AcceptsTypedCharacter(properties_.input_mode, static_cast<std::uint32_t>(w))) return 0;
      return CallOriginal(message, w, l);
    case WM_COMMAND:
      // The box's own change notice, sent to itself after a text write.
      if (reinterpret_cast<HWND>(l) == window_ && HIWORD(w) == EN_CHANGE) {
        OnNotification(EN_CHANGE);
        return 0;
      }
      return CallOriginal(message, w, l);
    default:
      return CallOriginal(message, w, l);
  }
}

void EditBox::OnWindowGone() {
  FillObjectSlot(WindowNumber(), UnitNumber(), nullptr);
  delete this;  // its brush and font go with it, after the window
}

bool EditBox::Create(const CreationParameters& parameters) {
  const DescriptionRecord& record = *parameters.record;
  brush_ = scoped::Brush(::CreateSolidBrush(Colour(properties_.background_colour)));
  const HWND window = ::CreateWindowExA(
      0, "EDIT", properties_.content.c_str(), EditBoxStyle(properties_, parameters.style), record.left, record.top,
      record.width, record.height, parameters.parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(parameters.control_id)), ::GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return false;
  Attach(window);

  font_ = scoped::Font(CreateDescriptionFont(properties_.font));
  if (SingleLine()) {
    const int lowest = TextHeight(kFullWidthCharacter) + 2 * ::GetSystemMetrics(SM_CYEDGE);
    if (record.height < lowest) {
      ::SetWindowPos(window, nullptr, 0, 0, record.width, lowest, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(ShownFont()), FALSE);
  if (SingleLine()) {
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(properties_.maximum_length), 0);
  if (properties_.input_mode == 2) ::SendMessageA(window, EM_SETPASSWORDCHAR, properties_.password_character, 0);
  const std::int64_t selection_end = std::clamp<std::int64_t>(
      std::int64_t{properties_.selection_start} + properties_.selection_length, INT32_MIN, INT32_MAX);
  ::SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(properties_.selection_start),
                 static_cast<LPARAM>(selection_end));
  ::SendMessageA(window, EM_SCROLLCARET, 0, 0);
  ApplyControlBorder(window, properties_.border);
  return true;
}

}  // namespace

Win32Control* CreateEditBox(const CreationParameters& parameters) {
  PropertyReadResult<EditBoxProperties> read = ReadEditBoxProperties(parameters.record->property_block);
  if (!read) return nullptr;
  auto box =
      std::make_unique<EditBox>(parameters.window_number, parameters.record->unit_number, std::move(read.properties));
  if (!box->Create(parameters)) return nullptr;
  return box.release();  // the window owns it now
}
