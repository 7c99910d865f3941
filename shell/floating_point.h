// The floating-point state every computation of the program runs in.
#pragma once

// Resets the x87 unit to its initial state: round to nearest with ties to
// even, all exceptions masked, 64-bit significand for intermediate results.
// Where doubles are computed by SSE (x86-64), its control register is reset
// to the same rounding and masking.
void ResetFloatingPoint();
