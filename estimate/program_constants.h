// The program's constant area: 29 bytes, in this order, the empty text "",
// the doubles 10.0, 2.0 and 7.0, and the text " CM" with its zero byte. The
// height estimate passes "" and " CM" as text values straight from here; the
// shell records the area's range so that no text operation frees or resizes it.
#pragma once

#include <array>
#include <cstddef>

namespace program_constants {

inline constexpr std::size_t kEmptyTextOffset = 0;
inline constexpr std::size_t kTenOffset = 1;
inline constexpr std::size_t kTwoOffset = 9;
inline constexpr std::size_t kSevenOffset = 17;
inline constexpr std::size_t kCmSuffixOffset = 25;
inline constexpr std::size_t kSize = 29;

// The area itself; the doubles sit unaligned, so they are read by copying.
const std::array<unsigned char, kSize>& Area();

const char* EmptyText();
const char* CmSuffix();
double Ten();
double Two();
double Seven();

}  // namespace program_constants
