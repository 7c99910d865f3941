// The label: a child window of the shell's own label class, painted by the
// shell: an opaque background and a caption.
#include <windows.h>

#include <memory>
#include <string>
#include <utility>

#include "control_object.h"
#include "control_styles.h"
#include "win32_control.h"
#include "win32_scoped_gdi.h"
#include "window_registry.h"

namespace {

constexpr char kLabelClassName[] = "TalvenorLabel";
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class Label final : public ControlObject, public Win32Control {
 public:
  Label(std::uint32_t window_number, std::uint32_t unit_number, LabelProperties properties)
      : ControlObject(window_number, unit_number), properties_(std::move(properties)) {}

  bool Create(const CreationParameters& parameters, std::unique_ptr<Label>& owner);

  HWND Handle() const override { return window_; }
  bool IsLive() const override { return window_ != nullptr && ::IsWindow(window_) != FALSE; }

 private:
  // Handed through CreateWindowExA to WM_NCCREATE, where the window adopts
  // the object.
  struct WindowCreation {
    Label* object;
    bool adopted = false;
  };

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
  void OnPaint();
  void DrawCaption(HDC dc, const std::string& caption, RECT area, COLORREF colour, UINT format) const;
  std::uint32_t Colour(std::uint32_t stored) const { return ResolveColour(stored, ::GetSysColor(COLOR_BTNFACE)); }

  HWND window_ = nullptr;
  LabelProperties properties_;
  scoped::Font font_;           // the description's font, when it gives one
  HFONT shown_font_ = nullptr;  // the caption's font: the description's or the default GUI font
};

LRESULT CALLBACK Label::WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* creation = static_cast<WindowCreation*>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams);
    creation->adopted = true;
    creation->object->window_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->object));
  }
  auto* self = reinterpret_cast<Label*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcA(window, message, w, l);
  return self->HandleMessage(message, w, l);
}

LRESULT Label::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_SETFONT:
      // The label paints its caption itself, in the font it keeps here.
      shown_font_ = reinterpret_cast<HFONT>(w);
      if (LOWORD(l) != 0) ::InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(shown_font_);
    case WM_SETTEXT: {
      // The caption is painted by the label itself: show the new one.
      const LRESULT result = ::DefWindowProcA(window_, message, w, l);
      ::InvalidateRect(window_, nullptr, FALSE);
      return result;
    }
    case WM_NCDESTROY: {
      const LRESULT result = ::DefWindowProcA(window_, message, w, l);
      ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      FillObjectSlot(WindowNumber(), UnitNumber(), nullptr);
      delete this;
      return result;
    }
    default:
      return ::DefWindowProcA(window_, message, w, l);
  }
}

void Label::DrawCaption(HDC dc, const std::string& caption, RECT area, COLORREF colour, UINT format) const {
  ::SetTextColor(dc, colour);
  ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &area, format);
}

void Label::OnPaint() {
  scoped::Paint paint(window_);
  HDC dc = paint.get();
  if (dc == nullptr) return;
  RECT clip{};
  if (::GetClipBox(dc, &clip) == NULLREGION || ::IsRectEmpty(&clip) != FALSE) return;

  // No gradient frame, picture or gradient background is drawn: the label
  // is an opaque rectangle of its background colour.
  RECT area{};
  ::GetClientRect(window_, &area);
  ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  {
    scoped::Brush background(::CreateSolidBrush(Colour(properties_.background_colour)));
    ::FillRect(dc, &area, background.get());
  }

  const int length = ::GetWindowTextLengthA(window_);
  if (length <= 0) return;
  std::string caption(static_cast<std::size_t>(length) + 1, '\0');
  caption.resize(static_cast<std::size_t>(::GetWindowTextA(window_, caption.data(), length + 1)));
  if (caption.empty()) return;

  scoped::Selection font(dc, shown_font_ != nullptr ? shown_font_ : DefaultGuiFont());
  const auto format = static_cast<UINT>(LabelTextFormat(properties_));
  ::SetBkMode(dc, TRANSPARENT);
  switch (properties_.text_effect) {
    case 1: {  // a white shadow below and to the right
      RECT shadow = area;
      ::OffsetRect(&shadow, 1, 1);
      DrawCaption(dc, caption, shadow, kWhite, format);
      break;
    }
    case 2:  // white, with the caption itself below and to the right
      DrawCaption(dc, caption, area, kWhite, format);
      ::OffsetRect(&area, 1, 1);
      break;
    case 3: {  // a black shadow two pixels away
      RECT shadow = area;
      ::OffsetRect(&shadow, 2, 2);
      DrawCaption(dc, caption, shadow, kBlack, format);
      break;
    }
    default:
      break;
  }
  DrawCaption(dc, caption, area, Colour(properties_.text_colour), format);
}

bool Label::Create(const CreationParameters& parameters, std::unique_ptr<Label>& owner) {
  if (!RegisterShellClass(kLabelClassName, &Label::WindowProcedure)) return false;
  const DescriptionRecord& record = *parameters.record;
  WindowCreation creation{this};
  const HWND window = ::CreateWindowExA(0, kLabelClassName, properties_.caption.c_str(), LabelStyle(parameters.style),
                                        record.left, record.top, record.width, record.height, parameters.parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(parameters.control_id)),
                                        ::GetModuleHandleA(nullptr), &creation);
  // Once adopted, the window deletes the object when it is destroyed, also
  // when the creation failed after that point.
  if (creation.adopted) (void)owner.release();
  if (window == nullptr) return false;
  font_ = scoped::Font(CreateDescriptionFont(properties_.font));
  shown_font_ = font_.get() != nullptr ? font_.get() : DefaultGuiFont();
  ApplyControlBorder(window, properties_.border);
  return true;
}

}  // namespace

Win32Control* CreateLabel(const CreationParameters& parameters) {
  PropertyReadResult<LabelProperties> read = ReadLabelProperties(parameters.record->property_block);
  if (!read) return nullptr;
  auto label =
      std::make_unique<Label>(parameters.window_number, parameters.record->unit_number, std::move(read.properties));
  Label* object = label.get();
  if (!object->Create(parameters, label)) return nullptr;
  return object;
}
