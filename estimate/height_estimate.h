// The estimate itself: ((S + 10) / 2) * 7.
#pragma once

// Each step runs with a 64-bit significand, rounding to nearest even, and its
// result is rounded to a double before the next step, as on the x87 unit in
// the state start-up sets. Infinities pass through; nothing is range-checked.
double EstimateHeight(double shoe_size);
