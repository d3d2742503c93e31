// Frame time: every moving or counting object scales its per-frame rate by the frame factor.
#pragma once

#include <cstdint>

struct TFrameTiming {
  long double SecondsPerCount = 1.0L / 1000000.0L;  // of the performance counter
  std::int64_t LastFrameStart = 0;                  // counter at the start of the latest frame
  std::int64_t PreviousFrameStart = 0;              // and of the one before

  // A frame starts at counter `now`. Returns the frame factor: the time since the start of the
  // previous frame in units of 13 ms; 0 when that is above a second or below a microsecond, so
  // a stall never makes a jump.
  long double StartFrame(std::int64_t now);
};
