#include "edit_box_object.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "event_delivery.h"
#include "property_types.h"

void EditBoxObject::GetOwnProperty(std::int32_t own_index, PropertyValue& value) {
  if (own_index != kEditBoxTextIndex) return;
  // The control may report more than it then copies (double-byte texts), so
  // the buffer follows the length it reports and the copy stops at its zero.
  const std::int32_t length = std::max(ControlTextLength(), 0);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const std::int32_t copied = ControlText(buffer.data(), length + 1);
  const auto limit = static_cast<std::size_t>(std::clamp(copied, 0, length));
  const void* zero = std::memchr(buffer.data(), 0, limit);
  const std::size_t count =
      zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer.data()) : limit;
  text_.assign(buffer.data(), count);
  value.low = reinterpret_cast<std::uintptr_t>(text_.c_str());
}

bool EditBoxObject::SetOwnProperty(std::int32_t own_index, const PropertyValue& value) {
  if (own_index != kEditBoxTextIndex) return false;
  being_written_ = true;
  const char* text = reinterpret_cast<const char*>(value.low);  // NOLINT(performance-no-int-to-ptr): a text pointer
  text_.assign(text != nullptr ? text : "");
  SetControlText(text_.c_str());
  being_written_ = false;
  SendOwnChangeNotice();
  return false;
}

void EditBoxObject::OnNotification(std::uint16_t code) {
  switch (code) {
    case edit_notice::kChange:
      if (!being_written_) Raise(edit_event::kContentChanged);
      break;
    case edit_notice::kSetFocus:
      Raise(edit_event::kGotFocus);
      break;
    case edit_notice::kKillFocus:
      Raise(edit_event::kLostFocus);
      break;
    default:
      break;
  }
}

void EditBoxObject::Raise(std::int32_t event) {
  EventNotice notice = MakeEventNotice(WindowNumber(), UnitNumber(), event);
  RaiseEvent(notice);
}
