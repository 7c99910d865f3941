// Property access: the program's road to the controls of its windows, by
// window number, control number, property number and element index.
//
// Properties 0 to 7 are common to every control type (place, size, tag,
// visible, disabled, mouse pointer); 8 and up are the control type's own,
// own index = property number - 8. Property 8 of an edit box is its text.
#pragma once

#include <cstdint>

// A property's value in two halves. A text travels as a pointer in the low
// half; the low half is pointer-sized so a 64-bit build can carry it (on the
// 32-bit build it is exactly the low 32 bits). Null stands for the empty text.
struct PropertyValue {
  std::uintptr_t low = 0;
  std::uint32_t high = 0;
};

inline constexpr std::int32_t kFirstOwnProperty = 8;
// The element index that means "the property as a whole".
inline constexpr std::int32_t kWholeProperty = -1;

// For a text property the low half of the result is a new text value owned
// by the caller (release it with ReleaseMemory), or null for an empty text.
// An unknown window number or a control that is not live ends the program.
PropertyValue ReadProperty(std::uint32_t window, std::uint32_t control, std::int32_t property, std::int32_t element);

// For a text property value_low is the text (a text value, a pointer into the
// constant area, or null for the empty text) and value_high is not looked at.
// The text is copied: the caller still owns it afterwards.
void WriteProperty(std::uint32_t window, std::uint32_t control, std::int32_t property, std::int32_t element,
                   std::uintptr_t value_low, std::uint32_t value_high);
