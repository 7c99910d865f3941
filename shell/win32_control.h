// What every system window built from a description record offers the
// window that holds it: its handle, and the answers to the notifications and
// colour requests it sends its parent, which the parent hands back to it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "property_blocks.h"
#include "window_description.h"

class Win32Control {
 public:
  virtual ~Win32Control() = default;

  virtual HWND Handle() const = 0;
  // A WM_COMMAND notification code the control reported to its parent.
  virtual void OnCommandNotice(WORD /*code*/) {}
  // A reflected WM_CTLCOLOR* message: sets the DC's colours and returns the
  // brush to paint with, or null to leave it to the default handling.
  virtual HBRUSH OnControlColour(HDC /*dc*/) { return nullptr; }
};

// The values every creator is given.
struct CreationParameters {
  const DescriptionRecord* record = nullptr;  // property block, place, size
  std::uint32_t style = 0;                    // from the record's flags
  HWND parent = nullptr;                      // the window (controls) or owner
  std::int32_t control_id = 0;                // controls only
  std::uint32_t window_number = 0;
};

// The creators, by control type. Each returns the new object, whose system
// window exists (hidden), or null when the property block cannot be read or
// the system window cannot be created. The object lives until its window is
// destroyed and then deletes itself.
class FormWindow;
FormWindow* CreateFormWindow(const CreationParameters& parameters);
Win32Control* CreateEditBox(const CreationParameters& parameters);
Win32Control* CreateLabel(const CreationParameters& parameters);
Win32Control* CreateButton(const CreationParameters& parameters);

// The font a description gives (60 bytes of a LOGFONTA), with the fields the
// shell decides itself put in their place; null when none is given.
HFONT CreateDescriptionFont(const std::optional<FontRecord>& font);

// The system's default GUI font, used wherever a description gives none.
inline HFONT DefaultGuiFont() { return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }

// Registers a window class of the shell once (class styles CS_HREDRAW,
// CS_VREDRAW and CS_DBLCLKS, the arrow pointer, the null brush: the shell
// paints backgrounds itself). True when the class is available.
bool RegisterShellClass(const char* class_name, WNDPROC procedure);

// Adds the control border table's styles to a created control and has its
// frame recalculated.
void ApplyControlBorder(HWND control, std::int32_t border);

// Raises event of the control or window named by window/unit.
void RaiseControlEvent(std::uint32_t window, std::uint32_t unit, std::int32_t event);
