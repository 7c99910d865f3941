// One step of the message loop's idle phase.
#pragma once

#include <cstdint>

// Step k of an idle phase. Step 0 notes when the phase began and lets every
// window idle again; steps 0 and 1 do the platform's own idle work; from
// step 2 on each existing window that has not finished idling gets its idle
// event (event 7) with the milliseconds since the phase began, and stays in
// only when its handler returns true. Returns whether more idle work is
// wanted.
bool RunIdleStep(std::int32_t k);

inline constexpr std::int32_t kIdleEvent = 7;
