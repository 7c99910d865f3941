// The property tables of the control types, as far as property access needs
// them: which own properties carry a text.
#pragma once

#include <cstdint>

// The type code of a text property.
inline constexpr std::uint16_t kTextTypeCode = 1005;

// The edit box's own properties; own index 0, property 8, is its text. The
// type has 29 properties, the 8 common ones included.
inline constexpr std::int32_t kEditBoxTextIndex = 0;
inline constexpr std::int32_t kEditBoxPropertyCount = 29;

// The type code of own property own_index of control_type, or 0 when the
// shell does not know the property.
std::uint16_t OwnPropertyTypeCode(std::uint32_t control_type, std::int32_t own_index);
