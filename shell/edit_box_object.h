// The edit box's text logic: reading its text fresh from the system control,
// writing a copy of a new text into it, and raising its events. The system
// control itself is reached through the few operations a platform class
// supplies, so the logic runs (and is tested) without a window system.
#pragma once

#include <cstdint>
#include <string>

#include "control_object.h"

// Notification codes an edit control reports to its parent.
namespace edit_notice {
inline constexpr std::uint16_t kSetFocus = 0x0100;
inline constexpr std::uint16_t kKillFocus = 0x0200;
inline constexpr std::uint16_t kChange = 0x0300;
}  // namespace edit_notice

// Events an edit box raises.
namespace edit_event {
inline constexpr std::int32_t kContentChanged = 0;
inline constexpr std::int32_t kGotFocus = -7;
inline constexpr std::int32_t kLostFocus = -8;
}  // namespace edit_event

class EditBoxObject : public ControlObject {
 public:
  using ControlObject::ControlObject;

  // Own index 0: the text. A read asks the control for its current text and
  // keeps it in the object; the value points at that copy. A write copies the
  // caller's text (null taken as empty), puts it into the control, and then
  // raises the content changed event exactly once, by the control's own
  // change notice; the notices the control reports during the write raise
  // nothing.
  void GetOwnProperty(std::int32_t own_index, PropertyValue& value) override;
  bool SetOwnProperty(std::int32_t own_index, const PropertyValue& value) override;

  // A notification the control reported (to its parent, or to itself after
  // a write).
  void OnNotification(std::uint16_t code);

  bool BeingWritten() const { return being_written_; }

 protected:
  // The system control.
  virtual std::int32_t ControlTextLength() = 0;
  // Fills buffer (size bytes, terminator included); returns bytes copied.
  virtual std::int32_t ControlText(char* buffer, std::int32_t size) = 0;
  virtual void SetControlText(const char* text) = 0;
  // Sends the control its own change notice, which comes back through
  // OnNotification(edit_notice::kChange) before this returns.
  virtual void SendOwnChangeNotice() = 0;

 private:
  void Raise(std::int32_t event);

  std::string text_;  // the text of the last read or write
  bool being_written_ = false;
};
