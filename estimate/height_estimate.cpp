#include "height_estimate.h"

#include <cfloat>

#include "program_constants.h"

namespace {

#if LDBL_MANT_DIG == 64
// long double is the x87 80-bit format here (GCC and mingw on x86). Rounding
// the exact result first to 64 significant bits and then to 53 is what the
// x87 unit does when it computes at full precision and stores a double; on
// x86_64 this also keeps the SSE unit from computing the step directly in
// double precision, which would round only once.
using Wide = long double;
#else
// Without an extended type (MSVC, where long double is double) each step
// rounds once, straight to double. The two differ only where rounding to 64
// bits lands exactly on a halfway point between two doubles: an addition of
// a shoe size tiny against 10 (a multiplication by 7 and a halving are exact
// within 64 bits).
using Wide = double;
#endif

double Step(Wide exact_then_rounded) { return static_cast<double>(exact_then_rounded); }

}  // namespace

double EstimateHeight(double shoe_size) {
  const double a = Step(static_cast<Wide>(shoe_size) + static_cast<Wide>(program_constants::Ten()));
  const double b = Step(static_cast<Wide>(a) / static_cast<Wide>(program_constants::Two()));
  return Step(static_cast<Wide>(b) * static_cast<Wide>(program_constants::Seven()));
}
