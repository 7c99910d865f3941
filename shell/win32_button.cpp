// The button: a system "BUTTON" control, subclassed for its focus events;
// its click arrives as BN_CLICKED through the window.
#include <windows.h>

#include <memory>
#include <utility>

#include "control_object.h"
#include "control_styles.h"
#include "win32_control.h"
#include "win32_scoped_gdi.h"
#include "win32_subclass.h"
#include "window_registry.h"

namespace {

namespace button_event {
constexpr std::int32_t kClick = 0;
constexpr std::int32_t kGotFocus = -7;
constexpr std::int32_t kLostFocus = -8;
}  // namespace button_event

class Button final : public ControlObject, public Win32Control, private SubclassedWindow {
 public:
  Button(std::uint32_t window_number, std::uint32_t unit_number, ButtonProperties properties)
      : ControlObject(window_number, unit_number), properties_(std::move(properties)) {}

  bool Create(const CreationParameters& parameters);

  HWND Handle() const override { return window_; }
  bool IsLive() const override { return window_ != nullptr && ::IsWindow(window_) != FALSE; }
  void OnCommandNotice(WORD code) override {
    if (code == BN_CLICKED) Raise(button_event::kClick);
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l) override;
  void OnWindowGone() override {
    FillObjectSlot(WindowNumber(), UnitNumber(), nullptr);
    delete this;
  }
  void Raise(std::int32_t event) { RaiseControlEvent(WindowNumber(), UnitNumber(), event); }

  ButtonProperties properties_;
  scoped::Font font_;  // the description's font, when it gives one
};

LRESULT Button::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SETFOCUS: {
      const LRESULT result = CallOriginal(message, w, l);
      Raise(button_event::kGotFocus);
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = CallOriginal(message, w, l);
      Raise(button_event::kLostFocus);
      return result;
    }
    default:
      return CallOriginal(message, w, l);
  }
}

bool Button::Create(const CreationParameters& parameters) {
  const DescriptionRecord& record = *parameters.record;
  // A picture on the button is not shown: the button keeps its caption.
  const HWND window = ::CreateWindowExA(
      0, "BUTTON", properties_.caption.c_str(), ButtonStyle(properties_, parameters.style), record.left, record.top,
      record.width, record.height, parameters.parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(parameters.control_id)), ::GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return false;
  Attach(window);
  font_ = scoped::Font(CreateDescriptionFont(properties_.font));
  const HFONT shown = font_.get() != nullptr ? font_.get() : DefaultGuiFont();
  ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(shown), FALSE);
  return true;
}

}  // namespace

Win32Control* CreateButton(const CreationParameters& parameters) {
  PropertyReadResult<ButtonProperties> read = ReadButtonProperties(parameters.record->property_block);
  if (!read) return nullptr;
  auto button =
      std::make_unique<Button>(parameters.window_number, parameters.record->unit_number, std::move(read.properties));
  if (!button->Create(parameters)) return nullptr;
  return button.release();  // the window owns it now
}
