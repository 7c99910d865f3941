#include "floating_point.h"

#if defined(_MSC_VER) && defined(_M_IX86)
#include <float.h>
#endif

void ResetFloatingPoint() {
#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
  __asm__ __volatile__("fninit");
#if defined(__x86_64__) || defined(__SSE__)
  // Round to nearest, all six exceptions masked, no flush to zero.
  unsigned int control = 0x1F80;
  __asm__ __volatile__("ldmxcsr %0" : : "m"(control));
#endif
#elif defined(_MSC_VER) && defined(_M_IX86)
  _control87(_PC_64 | _RC_NEAR | _MCW_EM, _MCW_PC | _MCW_RC | _MCW_EM);
#else
  // MSVC on x64 (and other processors) computes doubles without the x87 unit
  // and offers no precision control; its start-up state already rounds to
  // nearest with every exception masked.
#endif
}
