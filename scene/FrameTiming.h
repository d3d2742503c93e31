// Frame time: every moving or counting object scales its per-frame rate by the frame factor. A
// frame's time is read once, in whole milliseconds, so that the factor and the millisecond tick
// agree and a replay keeps them as one small number a frame.
#pragma once

#include <cstdint>

struct TFrameTiming {
  std::int64_t CountsPerSecond = 1000000;  // of the performance counter
  std::int64_t LastFrameStartMs = 0;       // the start of the latest frame

  // The counter's time in whole milliseconds.
  std::int64_t Millis(std::int64_t counter) const { return counter * 1000 / CountsPerSecond; }
  // A frame starts at counter `now`: the whole milliseconds since the latest frame started.
  std::int64_t StartFrame(std::int64_t now);
};

// The frame factor of a frame that started `stepMs` after the one before: that time in units of
// 13 ms; 0 when it is above a second or nothing, so a stall never makes a jump.
long double FrameFactor(std::int64_t stepMs);
