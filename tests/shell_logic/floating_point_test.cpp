// The floating-point reset at start-up, checked on the processor's own
// control registers.
#include <gtest/gtest.h>

#include <cfenv>

#include "floating_point.h"

namespace {

#if defined(__GNUC__) && defined(__x86_64__)

std::uint16_t X87ControlWord() {
  std::uint16_t word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}

std::uint32_t SseControl() {
  std::uint32_t control = 0;
  __asm__ __volatile__("stmxcsr %0" : "=m"(control));
  return control;
}

TEST(FloatingPointReset, NearestMaskedAndExtendedPrecision) {
  std::fesetround(FE_UPWARD);
  std::uint16_t altered = 0x0C7F & static_cast<std::uint16_t>(~0x0300u);  // toward zero, 24-bit precision
  __asm__ __volatile__("fldcw %0" : : "m"(altered));
  std::uint32_t unmasked = 0x1F80u & ~0x0200u;  // divide-by-zero unmasked
  unmasked |= 0x6000u;                          // toward zero
  __asm__ __volatile__("ldmxcsr %0" : : "m"(unmasked));

  ResetFloatingPoint();

  // 0x037F: every exception masked, 64-bit significand, round to nearest.
  EXPECT_EQ(X87ControlWord(), 0x037F);
  // 0x1F80: every exception masked, round to nearest, no flush to zero.
  EXPECT_EQ(SseControl() & 0xFFC0u, 0x1F80u);
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

#endif

}  // namespace
