// Frame time: every moving or counting object scales its per-frame rate by FrameFactor.
#pragma once

#include <cstdint>

// Seconds per performance-counter count; set by scene set-up.
extern long double SecondsPerCount;
// Counter at the start of the latest frame (scene set-up stores the first one) and the one
// before it.
extern std::int64_t LastFrameStart;
extern std::int64_t PreviousFrameStart;

// Reads the counter at the start of a frame.
void StartFrameTiming();
// The time since the start of the frame before the current one, in units of 13 ms; 0 when that
// interval is above one second or below a microsecond, so a stall never makes a jump.
long double FrameFactor();
