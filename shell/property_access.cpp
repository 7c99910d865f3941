#include "property_access.h"

#include <cstring>

#include "control_object.h"
#include "fatal_error.h"
#include "gbk_text.h"
#include "property_types.h"
#include "text_memory.h"
#include "window_registry.h"

namespace {

// Property numbers of the common properties.
enum CommonProperty : std::int32_t { kLeft, kTop, kWidth, kHeight, kTag, kVisible, kDisabled, kMousePointer };

DescriptionRecord& LoadedRecord(std::uint32_t window, std::uint32_t control) {
  WindowDescription* description = FindWindowDescription(window);
  if (description == nullptr) RaiseFatalError(gbk::kWindowNotLoaded, 0);
  DescriptionRecord* record = FindRecord(*description, control);
  // A control number the window does not hold names nothing that could be
  // loaded; it is refused like a control that is not live.
  if (record == nullptr) RaiseFatalError(gbk::kControlNotLive, 0);
  return *record;
}

ControlObject& LiveObject(const DescriptionRecord& record) {
  if (!IsLive(record)) RaiseFatalError(gbk::kControlNotLive, 0);
  return *record.object;
}

const char* AsText(std::uintptr_t low) {
  return reinterpret_cast<const char*>(low);  // NOLINT(performance-no-int-to-ptr): a text travels as a pointer
}

// A fresh text value holding text, or null for an empty text.
std::uintptr_t CopyToTextValue(const char* text) {
  if (text == nullptr || *text == '\0') return 0;
  const std::size_t length = std::strlen(text);
  auto* copy = static_cast<char*>(AllocateMemory(length + 1));
  std::memcpy(copy, text, length + 1);
  return reinterpret_cast<std::uintptr_t>(copy);
}

std::uintptr_t AsLow(std::int32_t value) { return static_cast<std::uint32_t>(value); }

// The common properties, as the description records them.
PropertyValue ReadCommonProperty(const DescriptionRecord& record, std::int32_t property) {
  PropertyValue value;
  switch (property) {
    case kLeft:
      value.low = AsLow(record.left);
      break;
    case kTop:
      value.low = AsLow(record.top);
      break;
    case kWidth:
      value.low = AsLow(record.width);
      break;
    case kHeight:
      value.low = AsLow(record.height);
      break;
    case kTag:
      value.low = CopyToTextValue(record.tag.c_str());
      break;
    case kVisible:
      value.low = record.IsVisible() ? 1 : 0;
      break;
    case kDisabled:
      value.low = record.IsDisabled() ? 1 : 0;
      break;
    case kMousePointer:
      if (record.mouse_pointer.size() >= 4) {
        std::uint32_t selector = 0;
        for (int i = 3; i >= 0; --i) selector = (selector << 8) | record.mouse_pointer[static_cast<std::size_t>(i)];
        value.low = selector;
      }
      break;
    default:  // negative property numbers name nothing
      break;
  }
  return value;
}

}  // namespace

PropertyValue ReadProperty(std::uint32_t window, std::uint32_t control, std::int32_t property,
                           std::int32_t /*element: no compound property is readable here*/) {
  const DescriptionRecord& record = LoadedRecord(window, control);
  if (property < kFirstOwnProperty) return ReadCommonProperty(record, property);

  ControlObject& object = LiveObject(record);
  const std::int32_t own_index = property - kFirstOwnProperty;
  PropertyValue value;
  object.GetOwnProperty(own_index, value);
  if (OwnPropertyTypeCode(record.control_type, own_index) == kTextTypeCode) {
    return PropertyValue{CopyToTextValue(AsText(value.low)), 0};
  }
  return value;
}

void WriteProperty(std::uint32_t window, std::uint32_t control, std::int32_t property,
                   std::int32_t /*element: no compound property is writable here*/, std::uintptr_t value_low,
                   std::uint32_t value_high) {
  const DescriptionRecord& record = LoadedRecord(window, control);
  // The common properties only describe the control as it was built; the
  // program changes none of them, and writes to them are ignored.
  if (property < kFirstOwnProperty) return;

  ControlObject& object = LiveObject(record);
  const std::int32_t own_index = property - kFirstOwnProperty;
  PropertyValue value{value_low, value_high};
  if (OwnPropertyTypeCode(record.control_type, own_index) == kTextTypeCode) {
    static constexpr char kEmptyText[] = "";
    value = PropertyValue{value_low != 0 ? value_low : reinterpret_cast<std::uintptr_t>(kEmptyText), 0};
  }
  // None of the controls needs re-creating for a new value of a property it
  // answers, so the request is not looked at.
  object.SetOwnProperty(own_index, value);
}

std::uint16_t OwnPropertyTypeCode(std::uint32_t control_type, std::int32_t own_index) {
  if (control_type == control_type::kEditBox && own_index == kEditBoxTextIndex) return kTextTypeCode;
  return 0;
}
