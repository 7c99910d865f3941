// The program's top-level window.
#include "win32_form_window.h"

#include <utility>

#include "command_routing.h"
#include "control_styles.h"
#include "event_delivery.h"
#include "shell_state.h"
#include "window_registry.h"

namespace {

// The window's own events (control number 0).
namespace window_event {
constexpr std::int32_t kCreated = 0;
constexpr std::int32_t kCloseQuery = 1;
constexpr std::int32_t kDestroyed = 2;
constexpr std::int32_t kMoved = 3;
constexpr std::int32_t kResized = 4;
constexpr std::int32_t kActivated = 5;
constexpr std::int32_t kDeactivated = 6;
constexpr std::int32_t kFirstActivated = 8;
constexpr std::int32_t kShown = 10;
constexpr std::int32_t kHidden = 11;
constexpr std::int32_t kCloseRequest = 12;
}  // namespace window_event

// True when a handler ran for the notice and answered false.
bool Refused(const EventNotice& notice, bool ran) { return ran && notice.result_given != 0 && notice.result == 0; }

}  // namespace

FormWindow::FormWindow(std::uint32_t window_number, std::uint32_t unit_number, WindowProperties properties)
    : ControlObject(window_number, unit_number), properties_(std::move(properties)) {}

FormWindow* FormWindow::FromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  for (WindowDescription& description : Shell().windows) {
    if (description.records.empty()) continue;
    auto* form = dynamic_cast<FormWindow*>(description.records.front().object);
    if (form != nullptr && form->window_ == window) return form;
  }
  return nullptr;
}

void FormWindow::RaiseWindowEvent(std::int32_t event) { RaiseControlEvent(WindowNumber(), 0, event); }

Win32Control* FormWindow::ControlOfHandle(HWND control) const {
  WindowDescription* description = FindWindowDescription(WindowNumber());
  if (description == nullptr || control == nullptr) return nullptr;
  for (const DescriptionRecord& record : description->records) {
    auto* candidate = dynamic_cast<Win32Control*>(record.object);
    if (candidate != nullptr && candidate->Handle() == control) return candidate;
  }
  return nullptr;
}

LRESULT CALLBACK FormWindow::WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    // The creator passes the object; from here on the window owns it.
    auto* creation = static_cast<WindowCreation*>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams);
    creation->adopted = true;
    creation->object->window_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->object));
  }
  auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcA(window, message, w, l);
  return self->HandleMessage(message, w, l);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_COMMAND:
      return OnCommand(w, l);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return OnControlColourMessage(message, w, l);
    case WM_MOVE:
      RaiseWindowEvent(window_event::kMoved);
      return 0;
    case WM_SIZE:
      RaiseWindowEvent(window_event::kResized);
      return 0;
    case WM_ACTIVATE:
      OnActivate(w, l);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus(w, l);
      return 0;
    case WM_NCACTIVATE:
      return OnNcActivate(w, l);
    case WM_SHOWWINDOW:
      RaiseWindowEvent(w != 0 ? window_event::kShown : window_event::kHidden);
      return ::DefWindowProcA(window_, message, w, l);
    case WM_SETFONT:
      // The system's default handling keeps no font: the window keeps it.
      font_ = reinterpret_cast<HFONT>(w);
      if (LOWORD(l) != 0) ::InvalidateRect(window_, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_CLOSE:
      return OnClose();
    case WM_DESTROY:
      RaiseWindowEvent(window_event::kDestroyed);
      return 0;
    case WM_NCDESTROY: {
      const LRESULT result = ::DefWindowProcA(window_, message, w, l);
      OnFinalCleanUp();  // deletes this
      return result;
    }
    default:
      return ::DefWindowProcA(window_, message, w, l);
  }
}

void FormWindow::OnPaint() {
  scoped::Paint paint(window_);
  HDC dc = paint.get();
  if (dc == nullptr) return;
  RECT clip{};
  if (::GetClipBox(dc, &clip) == NULLREGION) return;
  // No background picture is drawn here; the background colour fills the
  // whole clip box.
  scoped::Brush background(
      ::CreateSolidBrush(ResolveColour(properties_.background_colour, ::GetSysColor(COLOR_BTNFACE))));
  ::FillRect(dc, &clip, background.get());
}

LRESULT FormWindow::OnCommand(WPARAM w, LPARAM l) {
  switch (RouteCommand(LOWORD(w))) {
    case CommandRoute::kHandled:
    case CommandRoute::kMenu:  // the program's windows have no menu
      return 0;
    case CommandRoute::kControl:
      break;
  }
  const auto sender = reinterpret_cast<HWND>(l);
  if (sender == nullptr) return ::DefWindowProcA(window_, WM_COMMAND, w, l);
  if (Win32Control* control = ControlOfHandle(sender)) control->OnCommandNotice(HIWORD(w));
  return 0;
}

LRESULT FormWindow::OnControlColourMessage(UINT message, WPARAM w, LPARAM l) {
  // Reflected to the control first: it knows its own colours.
  if (Win32Control* control = ControlOfHandle(reinterpret_cast<HWND>(l))) {
    if (HBRUSH brush = control->OnControlColour(reinterpret_cast<HDC>(w))) return reinterpret_cast<LRESULT>(brush);
  }
  return ::DefWindowProcA(window_, message, w, l);
}

void FormWindow::OnActivate(WPARAM w, LPARAM l) {
  // The default handling gives an activated window the focus, which places
  // it on a control (OnSetFocus).
  ::DefWindowProcA(window_, WM_ACTIVATE, w, l);
  ::UpdateWindow(window_);
  const bool activated = LOWORD(w) != WA_INACTIVE;
  if (activated && !activated_before_) {
    activated_before_ = true;
    RaiseWindowEvent(window_event::kFirstActivated);
  }
  RaiseWindowEvent(activated ? window_event::kActivated : window_event::kDeactivated);
  if (!activated) {
    const HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(window_, focus) != FALSE) remembered_control_ = focus;
  }
}

void FormWindow::OnSetFocus(WPARAM w, LPARAM l) {
  ::DefWindowProcA(window_, WM_SETFOCUS, w, l);
  FocusFirstControl();
}

LRESULT FormWindow::OnNcActivate(WPARAM w, LPARAM l) {
  // Keeping the title active: an enabled window draws its caption as active
  // even while another window is.
  if (properties_.keep_title_active && w == FALSE) w = ::IsWindowEnabled(window_) != FALSE ? TRUE : FALSE;
  return ::DefWindowProcA(window_, WM_NCACTIVATE, w, l);
}

LRESULT FormWindow::OnClose() {
  // Either close query may be refused by a handler that answers false.
  for (const std::int32_t event : {window_event::kCloseRequest, window_event::kCloseQuery}) {
    EventNotice notice = MakeEventNotice(WindowNumber(), 0, event);
    const bool ran = RaiseEvent(notice);
    if (Refused(notice, ran)) return 0;
  }
  ::DestroyWindow(window_);
  return 0;
}

void FormWindow::OnFinalCleanUp() {
  big_icon_.reset();
  small_icon_.reset();
  window_ = nullptr;
  FillObjectSlot(WindowNumber(), UnitNumber(), nullptr);
  if (Shell().loop_entered && !AnyWindowAlive()) ::PostQuitMessage(0);
  delete this;
}

void FormWindow::LoadIcons() {
  // Loaded at their own sizes (not shared), so the window owns and frees them.
  const HINSTANCE module = ::GetModuleHandleA(nullptr);
  big_icon_ = scoped::Icon(static_cast<HICON>(::LoadImageA(module, "DEFAULT_ICON", IMAGE_ICON, 32, 32, 0)));
  small_icon_ = scoped::Icon(static_cast<HICON>(::LoadImageA(module, "DEFAULT_ICON", IMAGE_ICON, 16, 16, 0)));
  ::SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
  ::SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
}

FormWindow* CreateFormWindow(const CreationParameters& parameters) {
  const DescriptionRecord& record = *parameters.record;
  PropertyReadResult<WindowProperties> read = ReadWindowProperties(record.property_block);
  if (!read) return nullptr;
  const WindowProperties& properties = read.properties;

  const WindowStyles styles = FormWindowStyles(properties, parameters.style);
  std::int32_t left = record.left;
  std::int32_t top = record.top;
  if (properties.start_position == 1) {
    const ScreenPoint origin =
        CentredOrigin(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), record.width, record.height);
    left = origin.x;
    top = origin.y;
  }
  HWND owner = parameters.parent;
  if (!properties.shown_in_task_bar && owner == nullptr) owner = static_cast<HWND>(Shell().hidden_owner_window);

  const char* class_name =
      properties.class_name.empty() ? FormWindow::kDefaultClassName : properties.class_name.c_str();
  if (!RegisterShellClass(class_name, &FormWindow::WindowProcedure)) return nullptr;

  auto object = std::unique_ptr<FormWindow>(new FormWindow(parameters.window_number, record.unit_number, properties));
  FormWindow* self = object.get();
  FormWindow::WindowCreation creation{self};
  const HWND window =
      ::CreateWindowExA(styles.ex_style, class_name, properties.title.c_str(), styles.style, left, top, record.width,
                        record.height, owner, nullptr, ::GetModuleHandleA(nullptr), &creation);
  if (creation.adopted) {
    // WM_NCCREATE ran: the window owns the object and deletes it when it is
    // destroyed, also when the creation failed after that point.
    (void)object.release();
  }
  if (window == nullptr) return nullptr;

  RECT outer{};
  ::GetWindowRect(window, &outer);
  if (outer.right - outer.left != record.width || outer.bottom - outer.top != record.height) {
    ::MoveWindow(window, left, top, record.width, record.height, TRUE);
  }
  self->LoadIcons();
  ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
  if (properties.always_on_top) {
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (!properties.movable) ::DeleteMenu(::GetSystemMenu(window, FALSE), SC_MOVE, MF_BYCOMMAND);
  return self;
}
